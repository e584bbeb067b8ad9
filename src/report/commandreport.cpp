#include "commandreport.h"

#include "csvexport.h"
#include "jsonreport.h"
#include "log/connectiontable.h"
#include "log/loadsession.h"
#include "platform/clock.h"
#include "platform/dateparser.h"
#include "platform/progresssink.h"
#include "platform/settingsstore.h"
#include "platform/textfile.h"
#include "sources/sourcechoice.h"
#include "stats/billstatistics.h"
#include "stats/billsummary.h"
#include "tariff/tarifftable.h"
#include "textexport.h"

namespace
{
CommandReport::Outcome failure(const QString& error)
{
    return {CommandReport::SourceUnreadable, QByteArray(), error};
}
} // namespace

QList<int> CommandReport::numbersBetween(const ConnectionTable& table,
                                         const std::optional<QDate>& from,
                                         const std::optional<QDate>& to)
{
    QList<int> numbers;
    for (int n = 1; n <= table.connectioncount(); ++n) {
        const std::optional<QDate> day = DateParser::parseDate(table[n].conndate);
        const bool open = !from && !to;
        if (open || (day && (!from || *day >= *from) && (!to || *day <= *to)))
            numbers << n;
    }
    return numbers;
}

CommandReport::Outcome CommandReport::run(const ReportRequest& request, SettingsStore& settings,
                                          const SourceChoice& source, const Clock& clock,
                                          const QString& programDirectory)
{
    TariffTable tariff;
    SilentProgress progress;
    QStringList notes;
    // As the window says at start: the figures count such an amount as 0.
    if (const QStringList unreadable = tariff.load(settings, progress); !unreadable.isEmpty())
        notes << LoadMessages::unreadableAmounts(unreadable).text;
    // The table as the window shows it after start-up, read without writing a file.
    ConnectionTable table;
    LoadSession session(table, tariff, progress, programDirectory, LoadSession::Writes::Nothing);
    session.use(source);
    const LoadReport& report = session.load(LogLoader::Notes::Everywhere);
    if (const std::optional<QString> error = LoadMessages::failure(report, session.source()))
        return failure(*error);
    for (const LoadMessages::Message& message : session.news())
        notes << message.text;
    const QString note = notes.join(QLatin1Char(' '));

    if (request.kind == ReportRequest::Kind::Summary) {
        const BillStatistics::Figures figures =
            BillStatistics::billBack(table, tariff.appliedBillPlan(), 0, clock.today());
        const BillPlan& plan = tariff.appliedBillPlan();
        return {Success,
                request.format == ReportRequest::Format::Json
                    ? BillSummary::json(figures, plan)
                    : TextFile::encode(BillSummary::line(figures, plan)) + '\n',
                note};
    }
    const QList<int> numbers = numbersBetween(table, request.from, request.to);
    if (request.format == ReportRequest::Format::Csv)
        return {Success, CsvExport::document(table, numbers), note};
    if (request.format == ReportRequest::Format::Json)
        return {Success, JsonReport::document(table, numbers, request.from, request.to), note};
    QString lineError;
    const std::optional<QStringList> lines =
        TextExport::lines(table, numbers, tariff.twelveHour(), &lineError);
    if (!lines)
        return failure(lineError);
    return {Success, TextFile::encode(lines->join(QLatin1Char('\n')) + QLatin1Char('\n')), note};
}
