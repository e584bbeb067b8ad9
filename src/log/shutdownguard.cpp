#include "shutdownguard.h"

#include "connectiontable.h"
#include "logloader.h"

#include <QFile>

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

bool ShutdownGuard::empty(const QString& logpath)
{
    return !logpath.isEmpty() && QFile::exists(logpath) && QFile::resize(logpath, 0);
}

ShutdownGuard::Result ShutdownGuard::unload(const LoadReport& lastReport)
{
    Result result;
    result.report = lastReport;
    if (m_loader.modemLogChanged()) {
        // Connections made since the last load would be lost with the modem log.
        result.report = m_loader.lookinlog();
        result.reloaded = true;
    }
    result.outcome = decide(m_table, result.report);
    if (result.outcome == Outcome::Emptied && !empty(m_table.logpath))
        result.outcome = Outcome::CannotEmpty;
    return result;
}
