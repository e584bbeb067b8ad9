#pragma once

#include "reportrequest.h"

#include <QByteArray>
#include <QList>
#include <QString>

class Clock;
class ConnectionTable;
class SettingsStore;
struct SourceChoice;

// The report and the bill summary of the command line, made without a window from the user's
// settings, source (the modem log, or pppd's records), own log and notes, which it only reads:
// the modem log is not emptied and the own log not rewritten, whatever the load finds.
class CommandReport
{
public:
    // Failure: the source cannot be read, the output not written, or the window not opened.
    enum ExitCode { Success = 0, Failure = 1, SourceUnreadable = Failure, BadArguments = 2 };
    struct Outcome {
        int exitCode = Success;
        QByteArray output; // for standard output, UTF-8
        QString error;     // for standard error: why it failed, or a note on what it printed
    };

    static Outcome run(const ReportRequest& request, SettingsStore& settings,
                       const SourceChoice& source, const Clock& clock,
                       const QString& programDirectory);
    // The connections dated from `from` to `to`, both included; an open end takes every day.
    static QList<int> numbersBetween(const ConnectionTable& table, const std::optional<QDate>& from,
                                     const std::optional<QDate>& to);
};
