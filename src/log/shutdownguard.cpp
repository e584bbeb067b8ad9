#include "shutdownguard.h"

#include "connectiontable.h"
#include "logloader.h"
#include "sources/connectionsource.h"

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

ShutdownGuard::Result ShutdownGuard::unload(const LoadReport& lastReport)
{
    Result result;
    result.report = lastReport;
    ConnectionSource& source = m_loader.source();
    if (!source.emptiedOnClose()) {
        result.outcome = Outcome::NeverEmptied;
        return result;
    }
    // Connections made since the last load would be lost with the modem log: load them first,
    // and once more should the driver write again in the meantime.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (attempt > 0 || m_loader.sourceChanged()) {
            result.report = m_loader.lookinlog();
            result.reloaded = true;
        }
        result.outcome = decide(m_table, result.report);
        if (result.outcome != Outcome::Emptied)
            return result;
        switch (source.empty()) {
        case ConnectionSource::Emptying::Emptied:
            return result;
        case ConnectionSource::Emptying::Failed:
            result.outcome = Outcome::CannotEmpty;
            return result;
        case ConnectionSource::Emptying::Changed:
            result.outcome = Outcome::StillGrowing;
            break;
        }
    }
    return result;
}
