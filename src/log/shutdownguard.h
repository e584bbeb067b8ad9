#pragma once

#include "loadreport.h"

class ConnectionTable;
class LogLoader;

// The step run when the main window closes: empties the modem log when every connection in it
// is safe in the own log and no call is in progress.
class ShutdownGuard
{
public:
    enum class Outcome {
        Emptied,
        NotLoaded,        // the modem log could not be read
        NoConnections,    // an empty table never empties the modem log
        InProgress,       // the last connection has no end yet
        Overflow,         // more connections were read than the table holds
        OwnLogNotWritten, // the own log does not hold them: the modem log is all there is
        CannotEmpty,      // the modem log could not be emptied and is as it was
        StillGrowing,     // the driver kept writing to it while the window closed
        NeverEmptied,     // a system log: read, never written
    };
    struct Result {
        bool reloaded = false; // the modem log had changed and was loaded first
        Outcome outcome = Outcome::NotLoaded;
        LoadReport report; // the report the decision was taken on
    };

    ShutdownGuard(LogLoader& loader, ConnectionTable& table) : m_loader(loader), m_table(table) {}
    Result unload(const LoadReport& lastReport);

    // The rule alone, on a table and the report of the load that filled it.
    static Outcome decide(const ConnectionTable& table, const LoadReport& report);

private:
    LogLoader& m_loader;
    ConnectionTable& m_table;
};
