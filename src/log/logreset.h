#pragma once

#include <QString>

// Starts a fresh log: the modem log emptied, the own log and the extra information deleted.
class LogReset
{
public:
    // False when the modem log cannot be emptied or the own log cannot be deleted; a missing
    // own log or extra information file counts as deleted.
    static bool startnew(const QString& logpath, const QString& programDirectory,
                         QString* error = nullptr);
};
