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
    // The settings store's application name and the program directory's name.
    static QString storeName() { return QStringLiteral("Modemtally"); }
};
