#pragma once

#include "loadreport.h"

#include <QString>

class ConnectionSource;

// Starts a fresh log: the modem log emptied (a system log is left alone, its older records left
// out of the new log), the own log and the extra information deleted.
// What the last load read but the table could not hold (the connections beyond a full table, and
// own log lines this program cannot read) is in no export: it makes up the new own log.
class LogReset
{
public:
    // False when the modem log cannot be emptied or the own log cannot be deleted; a missing
    // own log or extra information file counts as deleted.
    static bool startnew(ConnectionSource& source, const LoadReport& lastLoad,
                         QString* error = nullptr);
};
