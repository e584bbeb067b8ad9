#pragma once

#include <QString>

// The program's title and version numbers.
class ProgramInfo
{
public:
    static QString title() { return QStringLiteral("Dialtrak"); }
    static int major() { return DIALTRAK_VERSION_MAJOR; }
    static int minor() { return DIALTRAK_VERSION_MINOR; }
    static int revision() { return DIALTRAK_VERSION_PATCH; }
    // "4.0.2".
    static QString version()
    {
        return QStringLiteral("%1.%2.%3").arg(major()).arg(minor()).arg(revision());
    }
    // The about box's version line: "Version 4.0.2".
    static QString versionText() { return QStringLiteral("Version ") + version(); }
    // The splash window's: the revision straight after the minor version, "Version 4.02".
    static QString splashVersionText()
    {
        return QStringLiteral("Version %1.%2%3").arg(major()).arg(minor()).arg(revision());
    }
    // The settings store's application name and the program directory's name.
    static QString storeName() { return QStringLiteral("Modemtally"); }
};
