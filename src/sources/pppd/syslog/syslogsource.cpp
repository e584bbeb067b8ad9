#include "syslogsource.h"

#include <QFileInfo>
#include <QFileSystemWatcher>

SyslogSource::SyslogSource(const QString& path, QString dataDirectory)
    : PppdSource(PppdFiles::ofPath(path, std::move(dataDirectory))), m_reader(path)
{
    // At the start the rotated files are read back to what the own log holds already; after
    // Start New Log, older records are left out anyway.
    m_reader.setCovered([this] {
        const QDateTime latest = ownLogLatestStart();
        const QDateTime since = startOfLog();
        return since.isValid() && (!latest.isValid() || since > latest) ? since : latest;
    });
}

QString SyslogSource::noConnectionsMessage() const
{
    return QStringLiteral("There were no PPP connections found in the file, ") + m_reader.path();
}

std::optional<PppdSource::Records> SyslogSource::readRecords(ProgressSink& progress, bool fromStart,
                                                             QString* error)
{
    // A whole read leaves the place of the next Refresh alone.
    SyslogReader whole(m_reader.path());
    SyslogReader& reader = fromStart ? whole : m_reader;
    std::optional<SyslogReader::Batch> batch = reader.read(error, &progress);
    if (!batch)
        return std::nullopt;
    QString problems;
    if (!batch->problems.isEmpty())
        problems = QStringLiteral("Some older records may be missing: %1").arg(batch->problems);
    return Records{std::move(batch->records), problems, {}};
}

std::unique_ptr<SourceWatch> SyslogSource::watch()
{
    auto watch = std::make_unique<SourceWatch>();
    auto* files = new QFileSystemWatcher(watch.get());
    // The folder too: logrotate moves the file away and a new one takes its place.
    files->addPath(m_reader.path());
    files->addPath(QFileInfo(m_reader.path()).absolutePath());
    SourceWatch* signal = watch.get();
    const QString path = m_reader.path();
    QObject::connect(files, &QFileSystemWatcher::fileChanged, signal, &SourceWatch::changed);
    QObject::connect(files, &QFileSystemWatcher::directoryChanged, signal, [files, signal, path] {
        // The file at the path may be a new one (logrotate moved the old one away and made it
        // at once, before the watch dropped the old one): watch whatever is there now.
        files->removePath(path);
        if (QFileInfo::exists(path))
            files->addPath(path);
        Q_EMIT signal->changed();
    });
    return watch;
}
