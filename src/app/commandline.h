#pragma once

#include "report/reportrequest.h"

#include <QString>
#include <QStringList>

// The program's command line: nothing of its own opens the window; --report and --summary print
// without one. Usage: dialtrak --report [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--csv]
//                     dialtrak --summary
class CommandLine
{
public:
    enum class Mode { Window, Report, BadArguments };
    struct Parsed {
        Mode mode = Mode::Window;
        ReportRequest request;
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
