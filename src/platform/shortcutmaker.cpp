#include "shortcutmaker.h"

#include "textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace
{
// The desktop-file ID the installation gives the program's menu entry.
const QString kInstalledEntry = QStringLiteral("dialtrak.desktop");

// A desktop entry's string value with its escapes (\s, \n, \t, \r, \\) read.
QString unescapeValue(const QString& value)
{
    QString text;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != QLatin1Char('\\') || i + 1 == value.size()) {
            text += value[i];
            continue;
        }
        const QChar escaped = value[++i];
        if (escaped == QLatin1Char('s'))
            text += QLatin1Char(' ');
        else if (escaped == QLatin1Char('n'))
            text += QLatin1Char('\n');
        else if (escaped == QLatin1Char('t'))
            text += QLatin1Char('\t');
        else if (escaped == QLatin1Char('r'))
            text += QLatin1Char('\r');
        else
            text += escaped;
    }
    return text;
}

// The program an Exec value starts: its first argument, unquoted as desktop entries quote it.
QString execProgram(const QString& value)
{
    const QString exec = unescapeValue(value);
    if (!exec.startsWith(QLatin1Char('"')))
        return exec.section(QLatin1Char(' '), 0, 0);
    QString program;
    for (qsizetype i = 1; i < exec.size(); ++i) {
        if (exec[i] == QLatin1Char('"'))
            return program;
        if (exec[i] == QLatin1Char('\\') && i + 1 < exec.size())
            ++i;
        program += exec[i];
    }
    return QString();
}

QString entryExec(const QString& entry)
{
    const std::optional<QStringList> lines = TextFile::readLines(entry);
    if (!lines)
        return QString();
    bool inMainGroup = false;
    for (const QString& line : *lines) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (line.startsWith(QLatin1Char('[')))
            inMainGroup = line.trimmed() == QLatin1String("[Desktop Entry]");
        else if (inMainGroup && equals > 0 && line.left(equals).trimmed() == QLatin1String("Exec"))
            return line.mid(equals + 1).trimmed();
    }
    return QString();
}
} // namespace

QString DesktopShortcutMaker::applicationsDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QLatin1String("/applications");
}

bool DesktopShortcutMaker::menuStarts(const QString& target)
{
    // The first entry of that ID in the search order is the one the menu shows (or hides).
    const QString entry =
        QStandardPaths::locate(QStandardPaths::ApplicationsLocation, kInstalledEntry);
    if (entry.isEmpty())
        return false;
    QString program = execProgram(entryExec(entry));
    if (!program.isEmpty() && !program.contains(QLatin1Char('/')))
        program = QStandardPaths::findExecutable(program);
    const QString started = QFileInfo(program).canonicalFilePath();
    return !started.isEmpty() && started == QFileInfo(target).canonicalFilePath();
}

bool DesktopShortcutMaker::create()
{
    if (m_target.isEmpty() || m_title.isEmpty())
        return false;
    // An installed program is in the menu already: a launcher of its own would list it twice.
    if (menuStarts(m_target))
        return true;
    const QString directory = applicationsDirectory();
    if (!QDir().mkpath(directory))
        return false;
    // Exec needs its argument quoted, with the characters quoting reserves escaped; then, as
    // in every string value, each backslash is escaped once more.
    QString exec = m_target;
    for (const QChar reserved :
         {QLatin1Char('\\'), QLatin1Char('"'), QLatin1Char('`'), QLatin1Char('$')})
        exec.replace(reserved, QLatin1Char('\\') + reserved);
    exec = QLatin1Char('"') + exec + QLatin1Char('"');
    exec.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    const QStringList lines{
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Application"),
        QStringLiteral("Name=") + m_title,
        QStringLiteral("Exec=") + exec,
        QStringLiteral("Icon=dialtrak"),
        QStringLiteral("Terminal=false"),
        QStringLiteral("Categories=Network;Utility;"),
    };
    // Desktop entries are read line by line with LF endings only.
    return TextFile::writeBytes(
        directory + QLatin1Char('/') + m_title + QLatin1String(".desktop"),
        TextFile::encode(lines.join(QLatin1Char('\n')) + QLatin1Char('\n')));
}
