#include "journalsource.h"

#include "journalaccess.h"
#include "journalreader.h"
#include "journalwatcher.h"

#include <QFileInfo>
#include <QFileSystemWatcher>

namespace
{
PppdFiles filesOf(const JournalLocation& location, QString dataDirectory)
{
    // The name earlier versions gave it, so that its files stay in use.
    return location.isSystem()
               ? PppdFiles::named(QStringLiteral("This computer's PPP connections"),
                                  std::move(dataDirectory))
               : PppdFiles::ofPath(location.directoryPath(), std::move(dataDirectory));
}
} // namespace

JournalSource::JournalSource(const JournalLocation& location, QString dataDirectory)
    : PppdSource(filesOf(location, std::move(dataDirectory))), m_location(location)
{
}

QString JournalSource::description() const
{
    return m_location.isSystem()
               ? QStringLiteral("this computer's PPP and mobile connections (the system journal)")
               : QStringLiteral("the PPP and mobile connections in the journal files of ") +
                     m_location.directoryPath();
}

QString JournalSource::noConnectionsMessage() const
{
    return JournalAccess::noRecordsMessage(m_location);
}

std::optional<PppdSource::Records> JournalSource::readRecords(ProgressSink&, bool fromStart,
                                                              QString* error)
{
    // Never anything from before Start New Log, however the read begins.
    const QDateTime since = startOfLog();
    JournalStart start = fromStart ? JournalStart::since(since) : m_next;
    start.notBefore = since;
    // The journal as it is now: files it made since the last read (a rotation) are seen.
    JournalReadResult result = JournalReader(m_location).read(start);
    // A folder that is not there (or not a journal) cannot be read at all; the system journal
    // always can, though it may show a user nothing.
    if (!result.ok() && result.records.isEmpty() && !m_location.isSystem()) {
        if (error)
            *error = result.error;
        return std::nullopt;
    }
    Records records{result.records, result.error, result.names};
    if (!fromStart)
        m_last = std::move(result);
    return records;
}

void JournalSource::resumeAt(qsizetype index)
{
    const QDateTime since = startOfLog();
    for (const JournalReadResult::ConnectPoint& point : m_last.connectPoints) {
        if (point.record == index) {
            m_next = JournalStart::at(point.cursor, since);
            return;
        }
    }
    if (index == 0 && !m_last.records.isEmpty())
        return; // read again from where the last read began
    if (!m_last.lastCursor.isEmpty())
        m_next = JournalStart::after(m_last.lastCursor, since);
}

std::unique_ptr<SourceWatch> JournalSource::watch()
{
    auto watch = std::make_unique<SourceWatch>();
    SourceWatch* signal = watch.get();
    const JournalLocation location = m_location;
    const auto follow = [signal, location] {
        auto* journal = new JournalWatcher(location, signal);
        QObject::connect(journal, &JournalWatcher::changed, signal, &SourceWatch::changed);
        return journal;
    };
    JournalWatcher* journal = follow();
    if (location.isSystem())
        return watch;
    // A folder removed and made again is another folder, which sd-journal does not watch: the
    // folder and the one it is in are watched for it, and the journal is followed afresh.
    const QString folder = QFileInfo(location.directoryPath()).absoluteFilePath();
    auto* folders = new QFileSystemWatcher(signal);
    folders->addPath(QFileInfo(folder).absolutePath());
    folders->addPath(folder);
    const auto look = [signal, folders, folder, follow, journal]() mutable {
        if (!QFileInfo(folder).isDir()) {
            Q_EMIT signal->changed(); // gone: the read tells the user
            return;
        }
        // A folder that went away was dropped from the watch.
        if (folders->directories().contains(folder))
            return;
        folders->addPath(folder);
        delete journal;
        journal = follow();
        Q_EMIT signal->changed();
    };
    QObject::connect(folders, &QFileSystemWatcher::directoryChanged, signal, look);
    return watch;
}

bool JournalSource::holdsRecords(const JournalLocation& location)
{
    return !JournalReader(location).read(JournalStart::fromBeginning(), 1).records.isEmpty();
}
