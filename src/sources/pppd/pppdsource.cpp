#include "pppdsource.h"

#include "log/ownlogfile.h"
#include "platform/progresssink.h"
#include "platform/textfile.h"
#include "pppdconnectionbuilder.h"
#include "pppdopenlinkfile.h"
#include "sources/modemmanager/modemmanagercallbuilder.h"

#include <algorithm>

PppdSource::PppdSource(PppdFiles files) : m_files(std::move(files)) {}

QString PppdSource::filePath(const QString& suffix) const
{
    return m_files.path(suffix);
}

QString PppdSource::ownLogPath() const
{
    return m_files.ownLogPath();
}

QString PppdSource::notesPath() const
{
    return m_files.notesPath();
}

QString PppdSource::volumePath() const
{
    return m_files.volumePath();
}

QString PppdSource::openLinksPath() const
{
    return filePath(QStringLiteral(" (Calls in progress - Do not delete).dtk"));
}

const QList<PppdOpenLink>& PppdSource::carried()
{
    if (!m_carried) {
        m_carriedLines = PppdOpenLinkFile(openLinksPath()).readLines();
        m_carried.emplace();
        for (const QString& line : std::as_const(m_carriedLines)) {
            if (const std::optional<PppdOpenLink> link = PppdOpenLinkFile::parse(line))
                m_carried->append(*link);
        }
    }
    return *m_carried;
}

QDateTime PppdSource::startOfLog() const
{
    const std::optional<QStringList> lines = TextFile::readLines(m_files.startOfLogPath());
    return lines && !lines->isEmpty() ? QDateTime::fromString(lines->first(), Qt::ISODateWithMs)
                                      : QDateTime();
}

QDateTime PppdSource::ownLogLatestStart() const
{
    QDateTime latest;
    const OwnLogFile ownLog(ownLogPath());
    for (const DatedConnection& connection : ownLog.read(OwnLogFile::IfMissing::Leave).records) {
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
    progress.setStatus(QStringLiteral("Reading PPP records..."));
    const std::optional<Records> records = readRecords(progress, false, &result.error);
    if (!records)
        return result;
    result.opened = true;
    result.error = records->error;
    const PppdConnectionBuilder::Result built =
        PppdConnectionBuilder::build(records->records, carried());
    const ModemManagerCallBuilder::Result mobile =
        ModemManagerCallBuilder::build(records->records, built.connections, records->names);
    m_resumeAt = qMin(built.resumeAt, mobile.resumeAt);
    m_open = built.open;
    QList<PppdConnection> calls = built.connections + mobile.calls;
    std::stable_sort(
        calls.begin(), calls.end(),
        [](const PppdConnection& a, const PppdConnection& b) { return a.start < b.start; });
    const QDateTime since = startOfLog();
    for (const PppdConnection& connection : std::as_const(calls)) {
        // Before Start New Log last ran: not in this log.
        if (since.isValid() && connection.start < since)
            continue;
        result.connections.append(connection.toDated());
    }
    return result;
}

QString PppdSource::settle(bool kept)
{
    // What the own log could not take is read again next time, carrying on from where the read
    // before it left.
    resumeAt(kept ? m_resumeAt : 0);
    if (!kept)
        return {};
    m_carried = m_open;
    QStringList lines;
    for (const PppdOpenLink& link : std::as_const(m_open))
        lines << PppdOpenLinkFile::lineOf(link);
    if (lines == m_carriedLines)
        return {};
    QString error;
    if (!m_files.prepareForWriting(&error) ||
        !PppdOpenLinkFile(openLinksPath()).writeLines(lines, &error))
        return QStringLiteral("The calls in progress could not be kept for the next start (%1).")
            .arg(error);
    m_carriedLines = lines;
    return {};
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
    // pppd's and ModemManager's own lines are the ones that describe calls; the system log stays
    // as it is.
    QStringList lines;
    lines.reserve(records->records.size());
    for (const PppdRecord& record : records->records)
        lines << record.when.toLocalTime().toString(Qt::ISODate) + QLatin1Char(' ') +
                     PppdRecord::identifier(record.program) + QLatin1Char('[') +
                     QString::number(record.pid) + QStringLiteral("]: ") + record.message;
    if (!m_files.prepareForWriting(&error))
        return failed();
    const QString path = filePath(QStringLiteral(" compacted.log"));
    if (!TextFile::writeLines(path, lines, &error))
        return failed();
    return {path, QString()};
}

bool PppdSource::startAfresh(QString* error)
{
    // Nothing of the system's is deleted: the records before this moment are left out instead.
    const QString now = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
    return m_files.prepareForWriting(error) &&
           TextFile::writeLines(m_files.startOfLogPath(), {now}, error);
}

QString PppdSource::newLogExplanation() const
{
    // A system log is never deleted: its records from before now are left out instead.
    return QStringLiteral("This command will start a new log by deleting the Dialtrak log file. "
                          "The system's own records are left as they are; those from before now "
                          "are left out of the new log.");
}
