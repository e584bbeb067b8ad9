#pragma once

#include "report/reportrequest.h"

#include <QString>
#include <QStringList>

// The program's command line: nothing of its own opens the window; --report and --summary print
// without one; --journal-directory DIR reads, for this run, pppd's records in the journal files
// of a folder instead of the stored choice. Usage:
//   dialtrak [--journal-directory DIR] --report [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--csv]
//   dialtrak [--journal-directory DIR] --summary
//   dialtrak [--journal-directory DIR]
class CommandLine
{
public:
    enum class Mode { Window, Report, BadArguments };
    struct Parsed {
        Mode mode = Mode::Window;
        ReportRequest request;
        // A folder of journal files to read instead of the stored choice; empty for none.
        QString journalDirectory;
        QString error; // why the arguments are bad
    };

    // The arguments after the program's name. Any that are not the report's own (the toolkit's,
    // say) are left to the window, unless a report option is given.
    static Parsed parse(const QStringList& arguments);
    static QString usage();
    // Prints the report or the summary, or why it cannot, with no display and no window.
    // Returns the exit code.
    static int run(int argc, char** argv, const Parsed& parsed);
};
