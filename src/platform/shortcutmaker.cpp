#include "shortcutmaker.h"

#include "textfile.h"

#include <QDir>
#include <QStandardPaths>

QString DesktopShortcutMaker::applicationsDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QLatin1String("/applications");
}

bool DesktopShortcutMaker::create()
{
    if (m_target.isEmpty() || m_title.isEmpty())
        return false;
    const QString directory = applicationsDirectory();
    if (!QDir().mkpath(directory))
        return false;
    // Exec needs its argument quoted, with the characters desktop entries reserve escaped.
    QString exec = m_target;
    for (const QChar reserved :
         {QLatin1Char('\\'), QLatin1Char('"'), QLatin1Char('`'), QLatin1Char('$')})
        exec.replace(reserved, QLatin1Char('\\') + reserved);
    const QStringList lines{
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Application"),
        QStringLiteral("Name=") + m_title,
        QStringLiteral("Exec=\"") + exec + QLatin1Char('"'),
        QStringLiteral("Icon=dialtrak"),
        QStringLiteral("Terminal=false"),
        QStringLiteral("Categories=Network;Utility;"),
    };
    // Desktop entries are read line by line with LF endings only.
    return TextFile::writeBytes(
        directory + QLatin1Char('/') + m_title + QLatin1String(".desktop"),
        TextFile::encode(lines.join(QLatin1Char('\n')) + QLatin1Char('\n')));
}
