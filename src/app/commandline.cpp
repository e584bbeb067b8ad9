#include "commandline.h"

#include "log/loadsession.h"
#include "platform/clock.h"
#include "platform/programdirectory.h"
#include "platform/settingsstore.h"
#include "report/commandreport.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <cstdio>

namespace
{
const QString kReport = QStringLiteral("--report");
const QString kSummary = QStringLiteral("--summary");
const QString kFrom = QStringLiteral("--from");
const QString kTo = QStringLiteral("--to");
const QString kCsv = QStringLiteral("--csv");
const QString kJournalDirectory = QStringLiteral("--journal-directory");

CommandLine::Parsed bad(const QString& error)
{
    CommandLine::Parsed parsed;
    parsed.mode = CommandLine::Mode::BadArguments;
    parsed.error = error;
    return parsed;
}

bool isReportOption(const QString& argument)
{
    const QString name = argument.section(QLatin1Char('='), 0, 0);
    return name == kReport || name == kSummary || name == kFrom || name == kTo || name == kCsv;
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

void print(std::FILE* stream, const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}
} // namespace

QString CommandLine::usage()
{
    return QStringLiteral("Usage: dialtrak [--journal-directory DIR] --report [--from YYYY-MM-DD] "
                          "[--to YYYY-MM-DD] [--csv]\n"
                          "       dialtrak [--journal-directory DIR] --summary\n"
                          "       dialtrak [--journal-directory DIR]");
}

CommandLine::Parsed CommandLine::parse(const QStringList& arguments)
{
    Parsed parsed;
    // The folder goes with the window or the report alike; the toolkit's own options stay with
    // the window.
    QStringList rest;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument.section(QLatin1Char('='), 0, 0) != kJournalDirectory) {
            rest << argument;
            continue;
        }
        QString folder = argument.section(QLatin1Char('='), 1);
        if (!argument.contains(QLatin1Char('=')) && i + 1 < arguments.size())
            folder = arguments.at(++i);
        if (folder.isEmpty())
            return bad(QStringLiteral("%1 needs a folder of journal files").arg(kJournalDirectory));
        parsed.journalDirectory = QDir(folder).absolutePath();
    }
    bool any = false;
    for (const QString& argument : rest)
        any = any || isReportOption(argument);
    if (!any)
        return parsed;

    QStringList seen;
    for (qsizetype i = 0; i < rest.size(); ++i) {
        const QString& argument = rest.at(i);
        QString name = argument;
        std::optional<QString> value;
        if (argument.startsWith(QLatin1String("--")) && argument.contains(QLatin1Char('='))) {
            name = argument.section(QLatin1Char('='), 0, 0);
            value = argument.section(QLatin1Char('='), 1);
        }
        if (!isReportOption(name))
            return bad(QStringLiteral("unknown argument \"%1\"").arg(argument));
        if (seen.contains(name))
            return bad(QStringLiteral("%1 is given twice").arg(name));
        seen << name;
        if (name == kFrom || name == kTo) {
            if (!value) {
                if (i + 1 >= rest.size())
                    return bad(QStringLiteral("%1 needs a date, YYYY-MM-DD").arg(name));
                value = rest.at(++i);
            }
            const std::optional<QDate> day = isoDay(*value);
            if (!day)
                return bad(
                    QStringLiteral("%1 needs a date, YYYY-MM-DD, not \"%2\"").arg(name, *value));
            (name == kFrom ? parsed.request.from : parsed.request.to) = day;
        } else if (value) {
            return bad(QStringLiteral("%1 takes no value").arg(name));
        }
    }

    const bool report = seen.contains(kReport);
    const bool summary = seen.contains(kSummary);
    if (report == summary)
        return bad(report ? QStringLiteral("--report and --summary cannot be given together")
                          : QStringLiteral("--from, --to and --csv go with --report"));
    if (summary && seen.size() > 1)
        return bad(QStringLiteral("--summary takes no other option"));
    if (parsed.request.from && parsed.request.to && *parsed.request.from > *parsed.request.to)
        return bad(QStringLiteral("--from is after --to"));
    parsed.mode = Mode::Report;
    parsed.request.kind = summary ? ReportRequest::Kind::Summary : ReportRequest::Kind::Report;
    parsed.request.csv = seen.contains(kCsv);
    return parsed;
}

int CommandLine::run(int argc, char** argv, const Parsed& parsed)
{
    // Never a QApplication: the report runs where there is no display.
    QCoreApplication app(argc, argv);
    if (parsed.mode == Mode::BadArguments) {
        print(stderr, (QStringLiteral("dialtrak: ") + parsed.error + QLatin1Char('\n') + usage() +
                       QLatin1Char('\n'))
                          .toLocal8Bit());
        return CommandReport::BadArguments;
    }
    SettingsStore settings;
    const SystemClock clock;
    const CommandReport::Outcome outcome = CommandReport::run(
        parsed.request, settings, LoadSession::chosen(settings, parsed.journalDirectory), clock,
        ProgramDirectory::path());
    print(stdout, outcome.output);
    if (!outcome.error.isEmpty())
        print(stderr,
              (QStringLiteral("dialtrak: ") + outcome.error + QLatin1Char('\n')).toLocal8Bit());
    return outcome.exitCode;
}
