#include "logloader.h"

#include "connectiontable.h"
#include "extrainfofile.h"
#include "logmerger.h"
#include "ownlogfile.h"
#include "platform/formats.h"
#include "platform/progresssink.h"
#include "sources/connectionsource.h"
#include "volumefile.h"

#include <QFileInfo>
#include <utility>

namespace
{
// A repeat drops records from the own log, so one is normally enough; the bound only guards
// against files that keep changing under the load.
constexpr int MaxPasses = 4;
} // namespace

LogLoader::LogLoader(ConnectionTable& table, Coster coster, ProgressSink& progress,
                     ConnectionSource& source)
    : m_table(table), m_coster(std::move(coster)), m_progress(progress), m_source(source)
{
}

bool LogLoader::sourceChanged() const
{
    return m_source.changedSinceRead();
}

LoadReport LogLoader::lookinlog(Notes notes, Reading reading)
{
    LoadReport report;
    m_progress.setStatus(m_source.openingStatus());
    m_progress.setProgress(0);
    m_progress.setProgressEnabled(true);

    if (!m_readOnly && !m_source.prepareFiles(&report.sourceError)) {
        // Nowhere to keep what is read: the window asks for another source.
        finish();
        return report;
    }
    Pass pass;
    for (int passes = 1;; ++passes) {
        const ConnectionSource::Read read = m_source.read(m_progress);
        report.sourceError = read.error;
        if (!read.opened) {
            if (reading == Reading::Asked)
                m_table.clear(); // the window asks for another source
            report.sourceLost = reading == Reading::Live;
            finish();
            return report;
        }
        report.modemLogOpened = true;
        pass = readAndWriteBack(read.connections, report);
        // The bytes of each connection, where the source gives them, outlive its records: kept
        // at every pass, as a repeat reads only the own log (which holds no bytes) again from a
        // source that reads only what is new.
        keepVolumes(pass.connections, report);
        // A read-only load keeps nothing, so the source is read again as it was.
        const QString unsettled =
            m_source.settle(!m_readOnly && (report.ownLogWritten || pass.connections.isEmpty()));
        if (!unsettled.isEmpty())
            report.sourceError +=
                (report.sourceError.isEmpty() ? QString() : QStringLiteral("\n")) + unsettled;
        // A log cut short or written to while it was read is read again, as it is now.
        if ((!pass.repeat && !read.changedWhileRead) || passes >= MaxPasses)
            break;
    }

    setAsideCallsInProgress(pass.connections, report);
    fillTable(pass.connections);
    report.connectionsRead = int(pass.connections.size());
    report.overflow = pass.connections.size() > ConnectionTable::Capacity;
    report.beyondTable = pass.connections.mid(ConnectionTable::Capacity);
    costAndOverlay(report, notes);
    finish();
    return report;
}

LogLoader::Pass LogLoader::readAndWriteBack(const QList<DatedConnection>& scanned,
                                            LoadReport& report)
{
    m_progress.setStatus(QStringLiteral("Opening dtk log file..."));
    m_progress.setProgress(0);
    m_progress.setStatus(QStringLiteral("Reading dtk log file..."));
    const OwnLogFile ownLog(m_source.ownLogPath());
    const OwnLogFile::ReadResult own =
        ownLog.read(m_readOnly ? OwnLogFile::IfMissing::Leave : OwnLogFile::IfMissing::Create);
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

void LogLoader::keepVolumes(QList<DatedConnection>& connections, LoadReport& report) const
{
    // The bytes of each connection, where the source gives them, outlive its records.
    if (const QString volume = m_source.volumePath(); !volume.isEmpty())
        VolumeFile(volume).keep(connections, &report.volumeError, !m_readOnly,
                                &report.volumeIgnored);
}

void LogLoader::setAsideCallsInProgress(QList<DatedConnection>& connections, LoadReport& report)
{
    // The own log keeps such a call in its place, so its line holds no connection of the table
    // either: the notes of the connections after it stay on their own lines.
    const QList<int>& unreadable = report.noteLines.keptLines();
    QList<int> kept;
    int line = 0;
    qsizetype next = 0; // the next unreadable line
    const QList<DatedConnection> all = std::exchange(connections, {});
    for (const DatedConnection& connection : all) {
        ++line;
        for (; next < unreadable.size() && unreadable.at(next) == line; ++next)
            kept << line++;
        if (connection.inProgress) {
            kept << line;
            report.callsInProgress << connection;
        } else {
            connections << connection;
        }
    }
    kept << unreadable.mid(next);
    report.noteLines = NoteLines(kept);
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

void LogLoader::costAndOverlay(LoadReport& report, Notes notes)
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
    if (m_billCoster)
        m_billCoster(m_table);
    const bool everywhere = notes == Notes::Everywhere;
    if ((lastCosted == 0 && !everywhere) || !report.notesUsable)
        return;
    // Each normal costing lays the whole file over the table, so a text ends up in every slot
    // up to the last one costed that way, and in the unused slots above the count.
    const NoteLines& lines = report.noteLines;
    const ExtraInfoFile file(m_source.notesPath());
    const bool read = file.gettheextrabits(
        m_table, lines, [&](int slot) { return everywhere || slot <= lastCosted || slot > count; });
    report.notesUnreadable = !read && QFileInfo::exists(file.path());
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
