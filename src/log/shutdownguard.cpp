#include "shutdownguard.h"

#include "connectiontable.h"
#include "logloader.h"

#include <QFile>
#include <QFileInfo>

ShutdownGuard::Outcome ShutdownGuard::decide(const ConnectionTable& table, const LoadReport& report)
{
    if (!report.modemLogOpened)
        return Outcome::NotLoaded;
    const int count = table.connectioncount();
    if (count == 0)
        return Outcome::NoConnections;
    if (table[count].endtime == table[count].starttime)
        return Outcome::InProgress;
    if (report.overflow)
        return Outcome::Overflow;
    if (!report.ownLogWritten)
        return Outcome::OwnLogNotWritten;
    return Outcome::Emptied;
}

ShutdownGuard::Emptying ShutdownGuard::empty(const QString& logpath, qint64 expectedSize)
{
    QFile file(logpath);
    if (logpath.isEmpty() || !QFileInfo(logpath).isFile() ||
        !file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        return Emptying::Failed;
    if (file.size() != expectedSize)
        return Emptying::Changed;
    return file.resize(0) ? Emptying::Emptied : Emptying::Failed;
}

ShutdownGuard::Result ShutdownGuard::unload(const LoadReport& lastReport)
{
    Result result;
    result.report = lastReport;
    // Connections made since the last load would be lost with the modem log: load them first,
    // and once more should the driver write again in the meantime.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (attempt > 0 || m_loader.modemLogChanged()) {
            result.report = m_loader.lookinlog();
            result.reloaded = true;
        }
        result.outcome = decide(m_table, result.report);
        if (result.outcome != Outcome::Emptied)
            return result;
        switch (empty(m_table.logpath, m_loader.seenSize())) {
        case Emptying::Emptied:
            return result;
        case Emptying::Failed:
            result.outcome = Outcome::CannotEmpty;
            return result;
        case Emptying::Changed:
            result.outcome = Outcome::StillGrowing;
            break;
        }
    }
    return result;
}
