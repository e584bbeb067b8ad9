#pragma once

#include "report/reportrequest.h"

#include <QString>
#include <QStringList>
#include <optional>

// The program's command line: nothing of its own opens the window; --report and --summary print
// without one; --journal-directory DIR reads, for this run, pppd's and ModemManager's records in
// the journal files of a folder instead of the stored choice. Usage:
//   dialtrak [--journal-directory DIR] --report [--from YYYY-MM-DD] [--to YYYY-MM-DD]
//   [--csv|--json] dialtrak [--journal-directory DIR] --summary [--json] dialtrak
//   [--journal-directory DIR]
class CommandLine
{
public:
    enum class Mode { Window, Report, Help, Version, BadArguments };
    struct Parsed {
        Mode mode = Mode::Window;
        ReportRequest request;
        // A folder of journal files to read instead of the stored choice; empty for none.
        QString journalDirectory;
        // The toolkit's -platform, which names where the window opens; empty for none.
        QString platform;
        QString error; // why the arguments are bad
    };

    // The arguments after the program's name. The toolkit's own (-platform, -style, ...) go
    // with the window only; anything else unknown is an error.
    static Parsed parse(const QStringList& arguments);
    static QString usage();
    // Every option, for --help.
    static QString help();
    // Why the window cannot open here, without asking the toolkit (which aborts): no display
    // and no platform named.
    static std::optional<QString> noDisplay(const Parsed& parsed);
    // Prints the report, the summary, the help or the version, or why it cannot, with no display
    // and no window. Returns the exit code.
    static int run(int argc, char** argv, const Parsed& parsed);
    // Writes to standard error, "dialtrak: " first.
    static void complain(const QString& message);
};
