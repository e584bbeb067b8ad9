#include "platform/formats.h"
#include "platform/settingsstore.h"
#include "stats/billperiod.h"
#include "stats/billstatistics.h"
#include "stats/billsummary.h"
#include "stats/budgetcheck.h"
#include "stats/warningledger.h"
#include "statstable.h"
#include "tariff/billplan.h"
#include "testregistry.h"

#include <QTemporaryDir>
#include <QTest>

using Records = QList<ConnectionRecord>;

namespace
{
ConnectionRecord withBytes(ConnectionRecord record, std::optional<quint64> sent,
                           std::optional<quint64> received)
{
    record.sentBytes = sent;
    record.receivedBytes = received;
    return record;
}
} // namespace

class TstBill : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void period_data()
    {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<int>("billDay");
        QTest::addColumn<int>("billsBack");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::newRow("bill day 1 is the calendar month")
            << QDate(2026, 11, 20) << 1 << 0 << QDate(2026, 11, 1) << QDate(2026, 11, 30);
        QTest::newRow("the day before it")
            << QDate(2026, 11, 14) << 15 << 0 << QDate(2026, 10, 15) << QDate(2026, 11, 14);
        QTest::newRow("back across a year's end")
            << QDate(2027, 1, 5) << 15 << 13 << QDate(2025, 11, 15) << QDate(2025, 12, 14);
        QTest::newRow("bill day 28 through February")
            << QDate(2027, 3, 1) << 28 << 0 << QDate(2027, 2, 28) << QDate(2027, 3, 27);
        QTest::newRow("bill day 31 is held to 28")
            << QDate(2027, 2, 28) << 31 << 0 << QDate(2027, 2, 28) << QDate(2027, 3, 27);
    }
    void period()
    {
        QFETCH(QDate, day);
        QFETCH(int, billDay);
        QFETCH(int, billsBack);
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        const BillPeriod period = BillPeriod::containing(day, billDay).earlier(billsBack);
        QCOMPARE(period.first(), first);
        QCOMPARE(period.last(), last);
        QCOMPARE(BillPeriod::containing(day, billDay).billsSince(first), billsBack);
    }

    void figures_data()
    {
        QTest::addColumn<Records>("records");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("billsBack");
        QTest::addColumn<int>("earliest");
        // heading|time|cost|calls|volume|projection
        QTest::addColumn<QString>("figures");
        QTest::newRow("first call inside the current bill")
            << Records{call("2026-11-18", 0, 20, 0, 1.2f)} << QDate(2026, 11, 20) << 0 << 0
            << "This bill (from Sun 15 Nov 26)|0 hrs 20 mins 0 secs|£1.20|1||at this rate £6.00 "
               "by Mon 14 Dec 26";
        const Records yearEnd{call("2026-12-14", 1, 0, 0, 5), call("2026-12-15", 0, 40, 30, 1),
                              call("2027-01-05", 0, 20, 30, 1.2f)};
        QTest::newRow("a bill across the year's end")
            << yearEnd << QDate(2027, 1, 5) << 0 << 1
            << "This bill (from Tue 15 Dec 26)|1 hrs 1 mins 0 secs|£2.20|2||at this rate £3.10 by "
               "Thu 14 Jan 27";
        QTest::newRow("volume from the calls that count bytes")
            << Records{withBytes(call("2026-11-14", 0, 1, 0), 9000000, 9000000),
                       withBytes(call("2026-11-16", 0, 1, 0), 1000, 250000),
                       withBytes(call("2026-11-17", 0, 1, 0), 500, std::nullopt),
                       call("2026-11-18", 0, 1, 0)}
            << QDate(2026, 12, 14) << 0 << 1
            << "This bill (from Sun 15 Nov 26)|0 hrs 3 mins 0 secs|£0.00|3|251.5 kB|at this rate "
               "£0.00 by Mon 14 Dec 26";
        QTest::newRow("a volume too large to add up stops at the largest, never wraps")
            << Records{withBytes(call("2026-11-16", 0, 1, 0), 18446744073709551615u, 0),
                       withBytes(call("2026-11-17", 0, 1, 0), 6, 0)}
            << QDate(2026, 12, 14) << 0 << 0
            << "This bill (from Sun 15 Nov 26)|0 hrs 2 mins 0 secs|£0.00|2|9.2 EB|at this rate "
               "£0.00 by Mon 14 Dec 26";
    }
    void figures()
    {
        QFETCH(Records, records);
        QFETCH(QDate, today);
        QFETCH(int, billsBack);
        QFETCH(int, earliest);
        QFETCH(QString, figures);
        const ConnectionTable table = tableOf(records);
        const BillStatistics::Figures bill = BillStatistics::billBack(table, 15, billsBack, today);
        QCOMPARE(QStringList({BillStatistics::heading(bill), bill.time,
                              Formats::currency(bill.cost), QString::number(bill.calls),
                              bill.volume ? Formats::dataSize(*bill.volume) : QString(),
                              BillStatistics::projection(bill)})
                     .join('|'),
                 figures);
        QCOMPARE(BillStatistics::earliestBillBack(table, 15, today), earliest);
    }

    void budget_data()
    {
        QTest::addColumn<double>("budget");
        QTest::addColumn<double>("cap"); // megabytes
        QTest::addColumn<double>("cost");
        QTest::addColumn<qint64>("volume"); // -1 for unknown
        // thresholds reached|warning|summary after the heading and time
        QTest::addColumn<QString>("expected");
        QTest::newRow("no budget") << 0.0 << 0.0 << 30.0 << qint64(-1) << "||£30.00, no budget";
        QTest::newRow("80% of single-precision sums")
            << 25.0 << 0.0 << 19.999999 << qint64(-1)
            << "cost80|Near budget: this bill has used 80% of its budget (£20.00 of £25.00).|"
               "£20.00, 80% of £25.00 budget";
        QTest::newRow("over the budget")
            << 25.0 << 0.0 << 26.1 << qint64(-1)
            << "cost80 cost100|Over budget: this bill has used 104% of its budget (£26.10 of "
               "£25.00).|£26.10, 104% of £25.00 budget";
        QTest::newRow("a cap without bytes counts nothing")
            << 0.0 << 1.0 << 0.0 << qint64(-1) << "||£0.00, no budget";
        QTest::newRow("both")
            << 10.0 << 1.0 << 12.0 << qint64(900000)
            << "cost80 cost100 volume80|Over budget: this bill has used 120% of its budget (£12.00 "
               "of £10.00). Near volume cap: this bill has used 90% of its volume cap (900.0 kB "
               "of 1.0 MB).|£12.00, 120% of £10.00 budget, 900.0 kB, 90% of 1.0 MB cap";
    }
    void budget()
    {
        QFETCH(double, budget);
        QFETCH(double, cap);
        QFETCH(double, cost);
        QFETCH(qint64, volume);
        QFETCH(QString, expected);
        BillPlan plan;
        plan.setBudget(QString::number(budget));
        plan.setVolumeCap(QString::number(cap));
        const auto bytes = volume < 0 ? std::nullopt : std::optional<quint64>(volume);
        const BillPeriod period = BillPeriod::containing(QDate(2026, 11, 20), 15);
        const BillStatistics::Figures figures{period, true,  1,           "1 hrs 0 mins 0 secs",
                                              cost,   bytes, std::nullopt};
        const BudgetCheck::Status status = BudgetCheck::check(figures, plan);
        QStringList keys;
        for (const BudgetCheck::Threshold& threshold : status.reached)
            keys << threshold.key();
        QStringList want = expected.split('|');
        want[2].prepend("This bill (from Sun 15 Nov 26): 1 call, 1 hrs 0 mins 0 secs, ");
        QCOMPARE((QStringList{keys.join(' '), status.warning, BillSummary::line(figures, plan)}),
                 want);
    }

    // What the bill panel shows, as a status bar or a script reads it.
    void summary_data()
    {
        QTest::addColumn<Records>("records");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("budget");
        QTest::addColumn<QString>("cap"); // megabytes
        QTest::addColumn<QString>("line");
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("calls, projection and budget")
            << Records{call("2026-11-16", 0, 20, 0, 1.2f), call("2026-11-18", 0, 10, 0, 0.6f)}
            << QDate(2026, 11, 20) << "2.5"
            << "0"
            << "This bill (from Sun 15 Nov 26): 2 calls, 0 hrs 30 mins 0 secs, £1.80, at this "
               "rate £9.00 by Mon 14 Dec 26, 72% of £2.50 budget"
            << QByteArray(R"({"budget":2.5,"budgetUsedPercent":72,"bytes":null,"calls":2,)"
                          R"("cost":1.8,"currency":"GBP","current":true,"from":"2026-11-15",)"
                          R"("projectedCost":9,"seconds":1800,"to":"2026-12-14","volumeCap":null,)"
                          R"("volumeCapUsedPercent":null})");
        QTest::newRow("bytes against a cap, no budget")
            << Records{withBytes(call("2026-11-16", 0, 1, 0), 400000, 100000),
                       call("2026-11-17", 0, 1, 0)}
            << QDate(2026, 11, 17) << "0"
            << "1"
            << "This bill (from Sun 15 Nov 26): 2 calls, 0 hrs 2 mins 0 secs, £0.00, at this "
               "rate £0.00 by Mon 14 Dec 26, no budget, 500.0 kB, 50% of 1.0 MB cap"
            << QByteArray(R"({"budget":null,"budgetUsedPercent":null,"bytes":500000,"calls":2,)"
                          R"("cost":0,"currency":"GBP","current":true,"from":"2026-11-15",)"
                          R"("projectedCost":0,"seconds":120,"to":"2026-12-14",)"
                          R"("volumeCap":1000000,"volumeCapUsedPercent":50})");
    }
    void summary()
    {
        QFETCH(Records, records);
        QFETCH(QDate, today);
        QFETCH(QString, budget);
        QFETCH(QString, cap);
        QFETCH(QString, line);
        QFETCH(QByteArray, json);
        BillPlan plan;
        plan.setBillDay(15);
        plan.setBudget(budget);
        plan.setVolumeCap(cap);
        const BillStatistics::Figures figures =
            BillStatistics::billBack(tableOf(records), plan.billDay(), 0, today);
        QCOMPARE(BillSummary::line(figures, plan), line);
        QCOMPARE(BillSummary::json(figures, plan), json + '\n');
    }

    void eachThresholdIsToldOncePerBill_data()
    {
        QTest::addColumn<QString>("stored"); // what the settings hold at first
        // Checks in turn, each as after a restart: "bill: reached > told".
        QTest::addColumn<QStringList>("checks");
        QTest::newRow("once in a bill, afresh in the next")
            << ""
            << QStringList{"2026-11-15: cost80 > cost80", "2026-11-15: cost80 >",
                           "2026-11-15: cost80 cost100 volume80 > cost100 volume80",
                           "2026-11-15: cost80 cost100 volume80 >", "2026-12-15: cost80 > cost80"};
        QTest::newRow("the clock back across the bill's start and forward again")
            << ""
            << QStringList{"2026-12-15: cost80 > cost80",
                           "2026-11-15: cost80 > cost80",
                           "2026-12-15: cost80 >",
                           "2026-11-15: cost80 cost100 > cost100",
                           "2026-12-15: cost80 cost100 > cost100",
                           "2026-11-15: cost100 >"};
        QTest::newRow("as an earlier version kept the latest bill")
            << "2026-11-15 cost80 cost100"
            << QStringList{"2026-11-15: cost80 cost100 >", "2026-10-15: cost80 > cost80",
                           "2026-11-15: cost80 cost100 >"};
        QStringList year;
        for (int month = 1; month <= 12; ++month)
            year << QString("2025-%1-01: cost80 > cost80").arg(month, 2, 10, QChar('0'));
        QTest::newRow("the bills told of last, a year of them")
            << "2024-12-01 cost80"
            << year + QStringList{"2025-01-01: cost80 >", "2024-12-01: cost80 > cost80"};
    }
    void eachThresholdIsToldOncePerBill()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, checks);
        QTemporaryDir dir;
        const QString file = dir.filePath("Modemtally.conf");
        if (!stored.isEmpty())
            SettingsStore(file).write("Warnings", "Sent", stored);
        const auto thresholds = [](const QString& keys) {
            QList<BudgetCheck::Threshold> out;
            for (const QString& key : keys.split(' ', Qt::SkipEmptyParts)) {
                const bool cost = key.startsWith("cost");
                out << BudgetCheck::Threshold{cost ? BudgetCheck::Measure::Cost
                                                   : BudgetCheck::Measure::Volume,
                                              key.mid(cost ? 4 : 6).toInt()};
            }
            return out;
        };
        for (const QString& check : checks) {
            SettingsStore store(file);
            const QDate bill = QDate::fromString(check.section(':', 0, 0), Qt::ISODate);
            const QString reached = check.section(':', 1).section('>', 0, 0);
            QCOMPARE(WarningLedger(store).takeNew(bill, thresholds(reached)),
                     thresholds(check.section('>', 1)));
        }
    }
};

DIALTRAK_TEST(TstBill)
#include "tst_bill.moc"
