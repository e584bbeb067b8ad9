#include "logloader.h"

#include "connectiontable.h"
#include "extrainfofile.h"
#include "logmerger.h"
#include "modemlogscanner.h"
#include "ownlogfile.h"
#include "platform/filestream.h"
#include "platform/formats.h"
#include "platform/progresssink.h"

#include <QCryptographicHash>
#include <QFileInfo>

namespace
{
// A repeat drops records from the own log, so one is normally enough; the bound only guards
// against files that keep changing under the load.
constexpr int MaxPasses = 4;
// File times move in coarse steps: a file written this shortly before it was read may change
// again without its time changing.
constexpr qint64 RacyMs = 2000;

bool isRacy(const FileStream& log)
{
    return log.isOpen() && log.modified().msecsTo(QDateTime::currentDateTime()) < RacyMs;
}
} // namespace

// One pass over the modem log through a small buffer: its connections, and what tells later
// whether the file is still the one read.
struct LogLoader::ModemLogRead {
    bool opened = false;
    bool changedWhileRead = false;
    qint64 size = -1;
    QDateTime modified;
    bool racy = false;
    QByteArray contentHash; // only for a racy file
    QList<DatedConnection> connections;

    static ModemLogRead of(const QString& path, ProgressSink* progress, bool scan)
    {
        ModemLogRead read;
        FileStream log(path);
        if (!log.isOpen())
            return read;
        read.opened = true;
        read.modified = log.modified();
        // Only a file written just before the read needs its contents remembered; for any other
        // the size and the time tell whether it changed, without a pass over tens of megabytes.
        read.racy = isRacy(log);
        if (!scan && !read.racy) {
            read.size = log.sizeAtOpen();
            return read;
        }
        if (scan && progress)
            progress->setStatus(QStringLiteral("Scanning modem log file..."));
        ModemLogScanner scanner(progress, log.sizeAtOpen());
        QCryptographicHash hash(QCryptographicHash::Md5);
        qsizetype carry = 0;
        for (QByteArrayView piece = log.next(); !piece.isEmpty(); piece = log.next(carry)) {
            if (read.racy)
                hash.addData(piece.sliced(carry));
            if (scan)
                scanner.feed(piece, log.pieceOffset());
            carry = qMin(ModemLogScanner::Carry, piece.size());
        }
        read.size = log.bytesRead();
        read.changedWhileRead = log.failed() || log.changedWhileRead();
        read.contentHash = read.racy ? hash.result() : QByteArray();
        read.connections = scanner.finish();
        return read;
    }
};

LogLoader::LogLoader(ConnectionTable& table, Coster coster, ProgressSink& progress,
                     QString programDirectory)
    : m_table(table), m_coster(std::move(coster)), m_progress(progress),
      m_programDirectory(std::move(programDirectory))
{
}

void LogLoader::remember(const ModemLogRead& log)
{
    m_seenPath = m_table.logpath;
    m_seenSize = log.opened ? log.size : -1;
    m_seenModified = log.modified;
    m_seenRacy = log.racy;
    m_seenHash = log.contentHash;
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
    const ModemLogRead now = ModemLogRead::of(m_seenPath, nullptr, false);
    return !now.opened || now.size != m_seenSize || now.contentHash != m_seenHash;
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
        const ModemLogRead log = ModemLogRead::of(m_table.logpath, &m_progress, true);
        remember(log);
        if (!log.opened) {
            // The window asks for another modem log; the table stays empty.
            finish();
            m_lastReport = report;
            return report;
        }
        report.modemLogOpened = true;
        pass = readAndWriteBack(log.connections, report);
        // A log cut short or written to while it was read is read again, as it is now.
        if ((!pass.repeat && !log.changedWhileRead) || passes >= MaxPasses)
            break;
    }

    fillTable(pass.connections);
    report.connectionsRead = int(pass.connections.size());
    report.overflow = pass.connections.size() > ConnectionTable::Capacity;
    report.beyondTable = pass.connections.mid(ConnectionTable::Capacity);
    costAndOverlay(report);
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
    QList<int> keptLines;
    const QByteArray contents = OwnLogFile::compose(pass.connections, own.unreadable, &keptLines);
    report.noteLines = NoteLines(keptLines);
    if (pass.connections.isEmpty())
        return pass; // nothing found: the own log stays as it was

    if (own.status == OwnLogFile::ReadStatus::Unreadable) {
        // Writing now would replace connections that could not be read.
        report.ownLogError = QStringLiteral("Cannot read ") + ownLog.path();
        return pass;
    }
    if (m_readOnly)
        return pass;
    // Already what it would be written as: nothing to replace (and nothing to sync to disk).
    if (own.status == OwnLogFile::ReadStatus::Read && contents == own.contents) {
        report.ownLogWritten = true;
        return pass;
    }
    QString error;
    // Another program may have written the own log since it was read (a window of another
    // profile on the same modem log): its connections are merged in, never overwritten.
    const bool known = own.status != OwnLogFile::ReadStatus::Missing;
    switch (ownLog.write(contents, known ? &own.contents : nullptr, &error)) {
    case OwnLogFile::WriteStatus::Written:
        report.ownLogWritten = true;
        break;
    case OwnLogFile::WriteStatus::Changed:
        report.ownLogError = error;
        pass.repeat = true;
        return pass;
    case OwnLogFile::WriteStatus::Failed:
        report.ownLogError =
            error.isEmpty() ? QStringLiteral("Cannot write ") + ownLog.path() : error;
        break;
    }
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

void LogLoader::costAndOverlay(const LoadReport& report)
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
    if (lastCosted == 0 || !report.notesUsable)
        return;
    // Each normal costing lays the whole file over the table, so a text ends up in every slot
    // up to the last one costed that way, and in the unused slots above the count.
    const NoteLines& lines = report.noteLines;
    const std::optional<QStringList> texts =
        ExtraInfoFile(m_table.logpath, m_programDirectory).read(lines);
    if (!texts)
        return;
    ExtraInfoFile::overlay(
        m_table, *texts, [&](int slot) { return slot <= lastCosted || slot > count; }, lines);
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
