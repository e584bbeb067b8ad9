#include "pppdsource.h"

#include "log/ownlogfile.h"
#include "platform/programdirectory.h"
#include "platform/progresssink.h"
#include "platform/textfile.h"
#include "pppdconnectionbuilder.h"

#include <QDir>
#include <QFile>

PppdSource::PppdSource(QString name, QString dataDirectory)
    : m_name(std::move(name)), m_dataDirectory(std::move(dataDirectory))
{
}

QString PppdSource::filePath(const QString& suffix) const
{
    return m_dataDirectory + QLatin1Char('/') + m_name + suffix;
}

QString PppdSource::ownLogPath() const
{
    return filePath(QStringLiteral(" (Connection information file - Do not delete).dtk"));
}

QString PppdSource::notesPath() const
{
    return m_dataDirectory + QStringLiteral("/Extra information for ") + m_name +
           QStringLiteral(".dtk");
}

QString PppdSource::volumePath() const
{
    return filePath(QStringLiteral(" (Bytes - Do not delete).dtk"));
}

QString PppdSource::nameFor(const QString& path)
{
    QString name = QDir::cleanPath(path);
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    while (name.startsWith(QLatin1Char('_')))
        name.remove(0, 1);
    return name;
}

QDateTime PppdSource::startOfLog() const
{
    const std::optional<QStringList> lines =
        TextFile::readLines(filePath(QStringLiteral(" (Start of the log).dtk")));
    return lines && !lines->isEmpty() ? QDateTime::fromString(lines->first(), Qt::ISODateWithMs)
                                      : QDateTime();
}

QDateTime PppdSource::ownLogLatestStart() const
{
    // Reading makes a missing own log; a read-only load must leave it missing.
    if (!QFile::exists(ownLogPath()))
        return {};
    QDateTime latest;
    for (const DatedConnection& connection : OwnLogFile(ownLogPath()).read().records) {
        const QDateTime start(connection.date, QTime::fromString(connection.record.starttime,
                                                                 QStringLiteral("hh:mm:ss")));
        if (start.isValid() && (!latest.isValid() || start > latest))
            latest = start;
    }
    return latest;
}

ConnectionSource::Read PppdSource::read(ProgressSink& progress)
{
    Read result;
    // The program's own files of a system source live in its data folder, made when first read.
    if (!ProgramDirectory::ensureExists(m_dataDirectory)) {
        result.error = QStringLiteral("Cannot create ") + m_dataDirectory;
        return result;
    }
    progress.setStatus(QStringLiteral("Reading PPP records..."));
    const std::optional<Records> records = readRecords(progress, false, &result.error);
    if (!records)
        return result;
    result.opened = true;
    result.error = records->error;
    const PppdConnectionBuilder::Result built = PppdConnectionBuilder::build(records->records);
    m_resumeAt = built.resumeAt;
    const QDateTime since = startOfLog();
    for (const PppdConnection& connection : built.connections) {
        // Before Start New Log last ran: not in this log.
        if (since.isValid() && connection.start < since)
            continue;
        result.connections.append(connection.toDated());
    }
    return result;
}

void PppdSource::settle(bool kept)
{
    // What the own log could not take is read again next time.
    resumeAt(kept ? m_resumeAt : 0);
}

ConnectionSource::Compaction PppdSource::compact(ProgressSink& progress)
{
    QString error;
    const auto failed = [&error] {
        return Compaction{QString(), QStringLiteral("The PPP records could not be written to a "
                                                    "file of their own (%1).")
                                         .arg(error)};
    };
    progress.setStatus(QStringLiteral("Compacting log file..."));
    progress.setProgressEnabled(true);
    const std::optional<Records> records = readRecords(progress, true, &error);
    progress.setProgressEnabled(false);
    progress.setProgress(0);
    progress.setStatus(QString());
    if (!records)
        return failed();
    // pppd's own lines are the ones that describe calls; the system log stays as it is.
    QStringList lines;
    lines.reserve(records->records.size());
    for (const PppdRecord& record : records->records)
        lines << record.when.toLocalTime().toString(Qt::ISODate) + QStringLiteral(" pppd[") +
                     QString::number(record.pid) + QStringLiteral("]: ") + record.message;
    const QString path = filePath(QStringLiteral(" compacted.log"));
    if (!ProgramDirectory::ensureExists(m_dataDirectory)) {
        error = QStringLiteral("Cannot create ") + m_dataDirectory;
        return failed();
    }
    if (!TextFile::writeLines(path, lines, &error))
        return failed();
    return {path, QString()};
}

bool PppdSource::startAfresh(QString* error)
{
    // Nothing of the system's is deleted: the records before this moment are left out instead.
    const QString now = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
    return ProgramDirectory::ensureExists(m_dataDirectory) &&
           TextFile::writeLines(filePath(QStringLiteral(" (Start of the log).dtk")), {now}, error);
}

QString PppdSource::newLogExplanation() const
{
    // A system log is never deleted: its records from before now are left out instead.
    return QStringLiteral("This command will start a new log by deleting the Dialtrak log file. "
                          "The system's own records are left as they are; those from before now "
                          "are left out of the new log.");
}
