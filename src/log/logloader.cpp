#include "logloader.h"

#include "connectiontable.h"
#include "extrainfofile.h"
#include "logmerger.h"
#include "modemlogscanner.h"
#include "ownlogfile.h"
#include "platform/formats.h"
#include "platform/mappedfile.h"
#include "platform/progresssink.h"

#include <QFileInfo>
#include <QHashFunctions>

namespace
{
// A repeat drops records from the own log, so one is normally enough; the bound only guards
// against files that keep changing under the load.
constexpr int MaxPasses = 4;
// File times move in coarse steps: a file written this shortly before it was read may change
// again without its time changing.
constexpr qint64 RacyMs = 2000;

size_t contentHash(QByteArrayView bytes)
{
    return qHashBits(bytes.data(), size_t(bytes.size()), 0);
}
} // namespace

LogLoader::LogLoader(ConnectionTable& table, Coster coster, ProgressSink& progress,
                     QString programDirectory)
    : m_table(table), m_coster(std::move(coster)), m_progress(progress),
      m_programDirectory(std::move(programDirectory))
{
}

void LogLoader::remember(const MappedFile& log)
{
    m_seenPath = m_table.logpath;
    m_seenSize = log.isOpen() ? log.bytes().size() : -1;
    m_seenModified = log.modified();
    // Only a file written just before the read needs its contents remembered; for any other the
    // size and the time tell whether it changed, without a pass over tens of megabytes.
    m_seenRacy = log.isOpen() && log.modified().msecsTo(QDateTime::currentDateTime()) < RacyMs;
    m_seenHash = m_seenRacy ? contentHash(log.bytes()) : 0;
}

bool LogLoader::modemLogChanged() const
{
    if (m_seenSize < 0 || m_seenPath != m_table.logpath)
        return true;
    const QFileInfo info(m_seenPath);
    if (!info.isFile() || info.size() != m_seenSize)
        return true;
    if (!m_seenRacy)
        return info.lastModified() != m_seenModified;
    const MappedFile log(m_seenPath);
    return !log.isOpen() || log.bytes().size() != m_seenSize ||
           contentHash(log.bytes()) != m_seenHash;
}

LoadReport LogLoader::lookinlog()
{
    LoadReport report;
    m_progress.setStatus(QStringLiteral("Opening modem log file..."));
    m_progress.setProgress(0);
    m_progress.setProgressEnabled(true);

    Pass pass;
    for (int passes = 1;; ++passes) {
        m_table.clear();
        const MappedFile log(m_table.logpath);
        remember(log);
        if (!log.isOpen()) {
            // The window asks for another modem log; the table stays empty.
            finish();
            m_lastReport = report;
            return report;
        }
        report.modemLogOpened = true;
        m_progress.setStatus(QStringLiteral("Scanning modem log file..."));
        const QList<DatedConnection> scanned = ModemLogScanner::scan(log.bytes(), &m_progress);
        pass = readAndWriteBack(scanned, report);
        if (!pass.repeat || passes >= MaxPasses)
            break;
    }

    fillTable(pass.connections);
    report.connectionsRead = int(pass.connections.size());
    report.overflow = pass.connections.size() > ConnectionTable::Capacity;
    report.beyondTable = pass.connections.mid(ConnectionTable::Capacity);
    costAndOverlay(report.notesUsable);
    finish();
    m_lastReport = report;
    return report;
}

LogLoader::Pass LogLoader::readAndWriteBack(const QList<DatedConnection>& scanned,
                                            LoadReport& report)
{
    m_progress.setStatus(QStringLiteral("Opening dtk log file..."));
    m_progress.setProgress(0);
    m_progress.setStatus(QStringLiteral("Reading dtk log file..."));
    const OwnLogFile ownLog(m_table.logpath);
    const OwnLogFile::ReadResult own = ownLog.read();
    const QList<DatedConnection> merged = LogMerger::merge(own.records, scanned);

    Pass pass;
    pass.connections.reserve(merged.size());
    int dropped = 0;
    for (qsizetype i = 0; i < merged.size(); ++i) {
        if (LogMerger::isInProgressDuplicate(merged, i))
            ++dropped;
        else
            pass.connections.append(merged.at(i));
    }
    report.droppedDuplicates += dropped;
    report.ownLogWritten = false;
    report.ownLogError.clear();
    report.notesUsable = own.status != OwnLogFile::ReadStatus::Unreadable;
    report.unreadableLines = own.unreadable;
    if (pass.connections.isEmpty())
        return pass; // nothing found: the own log stays as it was

    if (own.status == OwnLogFile::ReadStatus::Unreadable) {
        // Writing now would replace connections that could not be read.
        report.ownLogError = QStringLiteral("Cannot read ") + ownLog.path();
        return pass;
    }
    if (m_readOnly)
        return pass;
    QString error;
    report.ownLogWritten = ownLog.write(pass.connections, &error, own.unreadable);
    if (!report.ownLogWritten)
        report.ownLogError =
            error.isEmpty() ? QStringLiteral("Cannot write ") + ownLog.path() : error;
    // Read both files again, so the table is what the rewritten own log holds. Without a
    // successful write the same copy would be found again, so the table keeps this pass.
    pass.repeat = dropped > 0 && report.ownLogWritten;
    return pass;
}

void LogLoader::fillTable(const QList<DatedConnection>& connections)
{
    m_table.clear();
    for (const DatedConnection& connection : connections) {
        ConnectionRecord record = connection.record;
        record.conndate = Formats::isoDate(connection.date);
        if (!m_table.append(record))
            break; // the oldest fill the table; the own log holds the rest
    }
}

void LogLoader::costAndOverlay(bool withNotes)
{
    const int count = m_table.connectioncount();
    int lastCosted = 0;
    int shownPercent = -1;
    for (int slot = 1; slot <= count; ++slot) {
        const int percent = slot * 100 / count;
        if (percent != shownPercent) {
            m_progress.setProgress(percent);
            shownPercent = percent;
        }
        if (m_coster && m_coster(m_table, slot))
            lastCosted = slot;
    }
    if (lastCosted == 0 || !withNotes)
        return;
    // Each normal costing lays the whole file over the table, so a text ends up in every slot
    // up to the last one costed that way, and in the unused slots above the count.
    const std::optional<QStringList> texts =
        ExtraInfoFile(m_table.logpath, m_programDirectory).read();
    if (!texts)
        return;
    ExtraInfoFile::overlay(m_table, *texts,
                           [&](int slot) { return slot <= lastCosted || slot > count; });
}

void LogLoader::finish()
{
    // Done reading: a message the load ends with must not stand under "Reading ...".
    m_progress.setStatus(QString());
    m_progress.setProgressEnabled(false);
    m_progress.setProgress(0);
    m_table.writtenViewCurrent = false;
    m_table.tableViewCurrent = false;
}
