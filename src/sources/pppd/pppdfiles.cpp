#include "pppdfiles.h"

#include "platform/programdirectory.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>

namespace
{
const QString kOfPath = QStringLiteral("PPP connections in ");

// What a file's name has before and after the source's name.
struct Kind {
    QLatin1String before;
    QLatin1String after;
};
constexpr Kind kOwnLog{QLatin1String(), QLatin1String(" (Connection information file - Do not "
                                                      "delete).dtk")};
constexpr Kind kNotes{QLatin1String("Extra information for "), QLatin1String(".dtk")};
constexpr Kind kBytes{QLatin1String(), QLatin1String(" (Bytes - Do not delete).dtk")};
constexpr Kind kStartOfLog{QLatin1String(), QLatin1String(" (Start of the log).dtk")};
// What an earlier version kept for a source, copied in this order: the own log and the start of
// the log last, as either marks the source's own name as the one in use.
constexpr std::array kEarlierFiles{kNotes, kBytes, kOwnLog, kStartOfLog};

// How earlier versions named the files of a path: X/a_b and X/a/b alike as X_a_b.
QString earlierNameFor(const QString& path)
{
    QString name = QDir::cleanPath(path);
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    while (name.startsWith(QLatin1Char('_')))
        name.remove(0, 1);
    return name;
}

QString pathOf(const QString& directory, const Kind& kind, const QString& name)
{
    return directory + QLatin1Char('/') + kind.before + name + kind.after;
}
} // namespace

PppdFiles::PppdFiles(QString name, QString earlierName, QString dataDirectory)
    : m_name(std::move(name)), m_earlierName(std::move(earlierName)),
      m_dataDirectory(std::move(dataDirectory))
{
}

PppdFiles PppdFiles::ofPath(const QString& path, QString dataDirectory)
{
    return PppdFiles(kOfPath + nameFor(path), kOfPath + earlierNameFor(path),
                     std::move(dataDirectory));
}

PppdFiles PppdFiles::named(const QString& name, QString dataDirectory)
{
    return PppdFiles(name, name, std::move(dataDirectory));
}

QString PppdFiles::nameFor(const QString& path)
{
    // Relative to the folder the program runs in, as the path is read: "syslog" run in /var/log
    // is /var/log/syslog, run elsewhere another file.
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QString name;
    name.reserve(absolute.size());
    for (const QChar c : absolute) {
        if (c == QLatin1Char('%'))
            name += QLatin1String("%25");
        else if (c == QLatin1Char('_'))
            name += QLatin1String("%5F");
        else if (c == QLatin1Char('/'))
            name += QLatin1Char('_');
        else
            name += c;
    }
    // Every absolute path begins with the one '/': its '_' tells no two paths apart.
    if (name.startsWith(QLatin1Char('_')))
        name.remove(0, 1);
    return name;
}

bool PppdFiles::ownNameInUse() const
{
    // Start New Log deletes the own log, but writes the start of the log first.
    return QFileInfo::exists(pathOf(m_dataDirectory, kOwnLog, m_name)) ||
           QFileInfo::exists(pathOf(m_dataDirectory, kStartOfLog, m_name));
}

QString PppdFiles::nameInUse() const
{
    if (m_earlierName == m_name || ownNameInUse())
        return m_name;
    for (const Kind& kind : kEarlierFiles) {
        if (QFileInfo::exists(pathOf(m_dataDirectory, kind, m_earlierName)))
            return m_earlierName;
    }
    return m_name;
}

QString PppdFiles::path(const QString& suffix) const
{
    return m_dataDirectory + QLatin1Char('/') + nameInUse() + suffix;
}

QString PppdFiles::ownLogPath() const
{
    return pathOf(m_dataDirectory, kOwnLog, nameInUse());
}

QString PppdFiles::notesPath() const
{
    return pathOf(m_dataDirectory, kNotes, nameInUse());
}

QString PppdFiles::volumePath() const
{
    return pathOf(m_dataDirectory, kBytes, nameInUse());
}

QString PppdFiles::startOfLogPath() const
{
    return pathOf(m_dataDirectory, kStartOfLog, nameInUse());
}

bool PppdFiles::prepareForWriting(QString* error) const
{
    const auto fail = [error](const QString& text) {
        if (error)
            *error = text;
        return false;
    };
    if (!ProgramDirectory::ensureExists(m_dataDirectory))
        return fail(QStringLiteral("Cannot create ") + m_dataDirectory);
    if (nameInUse() == m_name)
        return true;
    // Copied, not moved: the files may be another source's as well, whose calls stay there.
    QStringList copies;
    for (const Kind& kind : kEarlierFiles) {
        const QString from = pathOf(m_dataDirectory, kind, m_earlierName);
        if (!QFileInfo::exists(from))
            continue;
        const QString to = pathOf(m_dataDirectory, kind, m_name);
        const std::optional<QByteArray> bytes = TextFile::readBytes(from);
        QString reason = QStringLiteral("it cannot be read");
        if (!bytes || !TextFile::writeBytes(to, *bytes, &reason)) {
            // Half copied, the source would leave the rest behind: it keeps the earlier files.
            for (const QString& copy : std::as_const(copies))
                QFile::remove(copy);
            return fail(QStringLiteral("Cannot copy %1 to %2 (%3)").arg(from, to, reason));
        }
        copies << to;
    }
    return true;
}
