#include "commandline.h"

#include "log/loadsession.h"
#include "platform/clock.h"
#include "platform/programdirectory.h"
#include "platform/programinfo.h"
#include "platform/settingsstore.h"
#include "report/commandreport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace
{
const QString kHelp = QStringLiteral("help");
const QString kVersion = QStringLiteral("version");
const QString kReport = QStringLiteral("report");
const QString kSummary = QStringLiteral("summary");
const QString kFrom = QStringLiteral("from");
const QString kTo = QStringLiteral("to");
const QString kCsv = QStringLiteral("csv");
const QString kJson = QStringLiteral("json");
const QString kJournalDirectory = QStringLiteral("journal-directory");
const QString kPlatform = QStringLiteral("platform");

// The toolkit's own options (QGuiApplication's and QApplication's), which the window's
// QApplication takes from the arguments itself.
const QStringList kToolkitValues{kPlatform,
                                 QStringLiteral("platformpluginpath"),
                                 QStringLiteral("platformtheme"),
                                 QStringLiteral("plugin"),
                                 QStringLiteral("qmljsdebugger"),
                                 QStringLiteral("qwindowgeometry"),
                                 QStringLiteral("qwindowicon"),
                                 QStringLiteral("qwindowtitle"),
                                 QStringLiteral("session"),
                                 QStringLiteral("display"),
                                 QStringLiteral("geometry"),
                                 QStringLiteral("style"),
                                 QStringLiteral("stylesheet")};
const QStringList kToolkitFlags{QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                                QStringLiteral("nograb"), QStringLiteral("dograb")};

QString dashed(const QString& name)
{
    return QStringLiteral("--") + name;
}

void addOptions(QCommandLineParser& parser)
{
    // -platform and -style are words after one dash, as the toolkit reads them.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Tracks dial-up and PPP connections, their length and cost. Without "
                       "--report or --summary it opens the window."));
    const QString day = QStringLiteral("YYYY-MM-DD");
    parser.addOptions({
        {{QStringLiteral("h"), kHelp}, QStringLiteral("Print these options and end.")},
        {{QStringLiteral("v"), kVersion}, QStringLiteral("Print the version and end.")},
        {kReport, QStringLiteral("Print the connections and their totals, without a window.")},
        {kSummary, QStringLiteral("Print the current bill in one line, without a window.")},
        {kFrom, QStringLiteral("With --report: the connections from this day on."), day},
        {kTo, QStringLiteral("With --report: the connections up to this day."), day},
        {kCsv, QStringLiteral("With --report: comma-separated values.")},
        {kJson, QStringLiteral("With --report or --summary: one JSON object; dialtrak(1) names its "
                               "fields.")},
        {kJournalDirectory,
         QStringLiteral("Read pppd's and ModemManager's records in the journal files of this "
                        "folder, for this run only."),
         QStringLiteral("DIR")},
    });
    for (const QString& name : kToolkitValues + kToolkitFlags) {
        QCommandLineOption option(name);
        if (kToolkitValues.contains(name))
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

CommandLine::Parsed bad(const QString& error)
{
    CommandLine::Parsed parsed;
    parsed.mode = CommandLine::Mode::BadArguments;
    parsed.error = error;
    return parsed;
}

// The option an argument names, without its dashes or its "=value".
QString nameOf(const QString& argument)
{
    static const QRegularExpression dashes(QStringLiteral("^--?"));
    return QString(argument).remove(dashes).section(QLatin1Char('='), 0, 0);
}

QString needsValue(const QString& name)
{
    if (name == kJournalDirectory)
        return QStringLiteral("%1 needs a folder of journal files").arg(dashed(name));
    if (name == kFrom || name == kTo)
        return QStringLiteral("%1 needs a date, YYYY-MM-DD").arg(dashed(name));
    return QStringLiteral("%1 needs a value").arg(dashed(name));
}

// The toolkit's options mean nothing without a window.
std::optional<QString> toolkitWithoutWindow(const QStringList& arguments)
{
    const auto named = [&arguments](const QStringList& names) {
        for (const QString& argument : arguments) {
            if (argument.startsWith(QLatin1Char('-')) && names.contains(nameOf(argument)))
                return argument;
        }
        return QString();
    };
    const QString toolkit = named(kToolkitValues + kToolkitFlags);
    if (toolkit.isEmpty() || named({kReport, kSummary}).isEmpty())
        return std::nullopt;
    return QStringLiteral("unknown argument \"%1\"").arg(toolkit);
}

// Why the parser refused the arguments, in the program's words.
QString refusal(const QCommandLineParser& parser, const QStringList& arguments)
{
    if (const std::optional<QString> error = toolkitWithoutWindow(arguments))
        return *error;
    const QStringList unknown = parser.unknownOptionNames();
    for (const QString& argument : arguments) {
        if (argument.startsWith(QLatin1Char('-')) && unknown.contains(nameOf(argument)))
            return QStringLiteral("unknown argument \"%1\"").arg(argument);
    }
    // A value option that ends the arguments has none; a flag has one only after "=".
    if (!arguments.isEmpty() && !arguments.last().contains(QLatin1Char('='))) {
        const QString last = nameOf(arguments.last());
        if (last == kJournalDirectory || last == kFrom || last == kTo ||
            kToolkitValues.contains(last))
            return needsValue(last);
    }
    for (const QString& argument : arguments) {
        if (argument.startsWith(QLatin1Char('-')) && argument.contains(QLatin1Char('=')))
            return QStringLiteral("%1 takes no value").arg(dashed(nameOf(argument)));
    }
    return parser.errorText();
}

std::optional<QDate> isoDay(const QString& text)
{
    // Exactly yyyy-mm-dd: the form scripts write and no locale reads differently.
    static const QRegularExpression form(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    if (!form.match(text).hasMatch())
        return std::nullopt;
    const QDate day = QDate::fromString(text, Qt::ISODate);
    return day.isValid() ? std::optional<QDate>(day) : std::nullopt;
}

// False when the bytes did not all reach the stream (a full disk, say).
bool print(std::FILE* stream, const QByteArray& bytes)
{
    const size_t written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    return std::fflush(stream) == 0 && written == size_t(bytes.size()) && !std::ferror(stream);
}

int printed(const QByteArray& bytes, int exitCode)
{
    errno = 0;
    if (print(stdout, bytes))
        return exitCode;
    const int cause = errno;
    CommandLine::complain(
        QStringLiteral("the output could not be written") +
        (cause ? QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(cause)) : QString()));
    return CommandReport::Failure;
}
} // namespace

QString CommandLine::usage()
{
    return QStringLiteral("Usage: dialtrak [--journal-directory DIR] --report [--from YYYY-MM-DD] "
                          "[--to YYYY-MM-DD] [--csv | --json]\n"
                          "       dialtrak [--journal-directory DIR] --summary [--json]\n"
                          "       dialtrak [--journal-directory DIR]\n"
                          "       dialtrak --help | --version");
}

QString CommandLine::help()
{
    QCommandLineParser parser;
    addOptions(parser);
    // The toolkit's first line names the program by its path; ours names every form.
    return usage() + QStringLiteral("\n\n") + parser.helpText().section(QLatin1Char('\n'), 1);
}

CommandLine::Parsed CommandLine::parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    addOptions(parser);
    if (!parser.parse(QStringList{QStringLiteral("dialtrak")} + arguments))
        return bad(refusal(parser, arguments));
    if (parser.isSet(kHelp) || parser.isSet(kVersion)) {
        Parsed parsed;
        parsed.mode = parser.isSet(kHelp) ? Mode::Help : Mode::Version;
        return parsed;
    }
    if (!parser.positionalArguments().isEmpty())
        return bad(
            QStringLiteral("unknown argument \"%1\"").arg(parser.positionalArguments().first()));
    const QStringList given = parser.optionNames();
    for (const QString& name : given) {
        if (given.count(name) > 1 && !kToolkitValues.contains(name) &&
            !kToolkitFlags.contains(name))
            return bad(QStringLiteral("%1 is given twice").arg(dashed(name)));
    }

    Parsed parsed;
    if (parser.isSet(kJournalDirectory)) {
        const QString folder = parser.value(kJournalDirectory);
        if (folder.isEmpty())
            return bad(needsValue(kJournalDirectory));
        parsed.journalDirectory = QDir(folder).absolutePath();
    }
    parsed.platform = parser.value(kPlatform);
    const bool report = parser.isSet(kReport);
    const bool summary = parser.isSet(kSummary);
    const bool reportOnly = parser.isSet(kFrom) || parser.isSet(kTo) || parser.isSet(kCsv);
    if (!report && !summary) {
        if (reportOnly)
            return bad(QStringLiteral("--from, --to and --csv go with --report"));
        if (parser.isSet(kJson))
            return bad(QStringLiteral("--json goes with --report or --summary"));
        return parsed;
    }
    if (const std::optional<QString> error = toolkitWithoutWindow(arguments))
        return bad(*error);
    for (const QString& name : {kFrom, kTo}) {
        if (!parser.isSet(name))
            continue;
        const QString value = parser.value(name);
        const std::optional<QDate> day = isoDay(value);
        if (!day)
            return bad(
                QStringLiteral("%1 needs a date, YYYY-MM-DD, not \"%2\"").arg(dashed(name), value));
        (name == kFrom ? parsed.request.from : parsed.request.to) = day;
    }
    if (report && summary)
        return bad(QStringLiteral("--report and --summary cannot be given together"));
    if (summary && reportOnly)
        return bad(QStringLiteral("--summary takes no other option but --json"));
    if (parser.isSet(kCsv) && parser.isSet(kJson))
        return bad(QStringLiteral("--csv and --json cannot be given together"));
    if (parsed.request.from && parsed.request.to && *parsed.request.from > *parsed.request.to)
        return bad(QStringLiteral("--from is after --to"));
    parsed.mode = Mode::Report;
    parsed.request.kind = summary ? ReportRequest::Kind::Summary : ReportRequest::Kind::Report;
    parsed.request.format = parser.isSet(kCsv)    ? ReportRequest::Format::Csv
                            : parser.isSet(kJson) ? ReportRequest::Format::Json
                                                  : ReportRequest::Format::Text;
    return parsed;
}

std::optional<QString> CommandLine::noDisplay(const Parsed& parsed)
{
#ifdef Q_OS_LINUX
    // X11 and Wayland need their server; the others (offscreen, vnc, a framebuffer) open anyway.
    const QString platform =
        parsed.platform.isEmpty()
            ? qEnvironmentVariable("QT_QPA_PLATFORM").section(QLatin1Char(':'), 0, 0)
            : parsed.platform;
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    const bool reached = platform.isEmpty()                              ? x11 || wayland
                         : platform == QLatin1String("xcb")              ? x11
                         : platform.startsWith(QLatin1String("wayland")) ? wayland
                                                                         : true;
    if (!reached)
        return QStringLiteral("there is no display to open the window on (--report and "
                              "--summary need none)");
#else
    Q_UNUSED(parsed);
#endif
    return std::nullopt;
}

void CommandLine::complain(const QString& message)
{
    print(stderr, (QStringLiteral("dialtrak: ") + message + QLatin1Char('\n')).toLocal8Bit());
}

int CommandLine::run(int argc, char** argv, const Parsed& parsed)
{
    // Never a QApplication: the report runs where there is no display.
    QCoreApplication app(argc, argv);
    switch (parsed.mode) {
    case Mode::BadArguments:
        complain(parsed.error);
        print(stderr, (usage() + QLatin1Char('\n')).toLocal8Bit());
        return CommandReport::BadArguments;
    case Mode::Help:
        return printed(help().toLocal8Bit(), CommandReport::Success);
    case Mode::Version:
        return printed((QStringLiteral("dialtrak ") + ProgramInfo::version() + QLatin1Char('\n'))
                           .toLocal8Bit(),
                       CommandReport::Success);
    case Mode::Window:
    case Mode::Report:
        break;
    }
    SettingsStore settings;
    const SystemClock clock;
    const CommandReport::Outcome outcome = CommandReport::run(
        parsed.request, settings, LoadSession::chosen(settings, parsed.journalDirectory), clock,
        ProgramDirectory::path());
    const int exitCode = printed(outcome.output, outcome.exitCode);
    if (!outcome.error.isEmpty())
        complain(outcome.error);
    return exitCode;
}
