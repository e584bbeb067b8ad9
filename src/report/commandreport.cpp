#include "commandreport.h"

#include "csvexport.h"
#include "log/connectiontable.h"
#include "log/extrainfofile.h"
#include "log/logloader.h"
#include "log/ownlogfile.h"
#include "platform/clock.h"
#include "platform/dateparser.h"
#include "platform/progresssink.h"
#include "platform/settingsstore.h"
#include "platform/textfile.h"
#include "sources/connectionsource.h"
#include "sources/sourcechoice.h"
#include "stats/billstatistics.h"
#include "stats/billsummary.h"
#include "tariff/callcoster.h"
#include "tariff/tarifftable.h"
#include "textexport.h"

namespace
{
CommandReport::Outcome failure(const QString& error)
{
    return {CommandReport::SourceUnreadable, QByteArray(), error};
}

// The table as the window shows it after start-up: loaded, costed, with the notes laid over it.
// Empty, with the reason, when the modem log or the own log cannot be read. A full table is
// noted, since the figures then leave out the newest connections, as the window's do.
QString load(ConnectionTable& table, const TariffTable& tariff, const SourceChoice& choice,
             const QString& programDirectory, QString& note)
{
    if (choice.kind == SourceChoice::Kind::ModemLog && choice.path.isEmpty())
        return QStringLiteral("No modem log has been chosen yet. Start Dialtrak and choose one "
                              "with Options > Select Modem Log File.");
    const std::unique_ptr<ConnectionSource> source = choice.open(table.logpath, programDirectory);
    const CallCoster coster(tariff);
    SilentProgress progress;
    LogLoader loader(
        table, [&coster](ConnectionTable& t, int slot) { return coster.findvariables(t, slot); },
        progress, *source);
    loader.setReadOnly(true);
    const LoadReport report = loader.lookinlog();
    if (!report.modemLogOpened)
        return QStringLiteral("%1 cannot be read. %2")
            .arg(source->description(), report.sourceError)
            .trimmed();
    // Without the own log's connections the figures would be wrong, and the notes misplaced.
    if (!report.notesUsable)
        return QStringLiteral("The Dialtrak log file cannot be read: ") + source->ownLogPath();
    ExtraInfoFile::at(source->notesPath()).gettheextrabits(table, report.noteLines);
    if (report.overflow)
        note = QStringLiteral("Only the first %1 of the %2 connections are counted, as in the "
                              "window; the Dialtrak log file holds them all.")
                   .arg(ConnectionTable::Capacity)
                   .arg(report.connectionsRead);
    return QString();
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
    const QStringList unreadableAmounts = tariff.load(settings, progress);
    ConnectionTable table;
    QString note;
    const QString error = load(table, tariff, source, programDirectory, note);
    // As the window says at start: the figures count such an amount as 0.
    if (!unreadableAmounts.isEmpty())
        note = QStringList{QStringLiteral("The stored amount for \"%1\" could not be read, so it "
                                          "counts as 0.")
                               .arg(unreadableAmounts.join(QStringLiteral("\", \""))),
                           note}
                   .join(QLatin1Char(' '))
                   .trimmed();
    if (!error.isEmpty())
        return failure(error);

    if (request.kind == ReportRequest::Kind::Summary) {
        const BillStatistics::Figures figures =
            BillStatistics::billBack(table, tariff.appliedBillPlan().billDay(), 0, clock.today());
        return {Success,
                TextFile::encode(BillSummary::line(figures, tariff.appliedBillPlan())) + '\n',
                note};
    }
    const QList<int> numbers = numbersBetween(table, request.from, request.to);
    if (request.csv)
        return {Success, CsvExport::document(table, numbers), note};
    QString lineError;
    const std::optional<QStringList> lines =
        TextExport::lines(table, numbers, tariff.twelveHour(), &lineError);
    if (!lines)
        return failure(lineError);
    return {Success, TextFile::encode(lines->join(QLatin1Char('\n')) + QLatin1Char('\n')), note};
}
