#include "platform/formats.h"
#include "platform/settingsstore.h"
#include "stats/billperiod.h"
#include "stats/billstatistics.h"
#include "stats/billsummary.h"
#include "stats/budgetcheck.h"
#include "stats/volumecharges.h"
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

// A bill of one hour from Sun 15 Nov 26 that cost `cost` and moved `volume` bytes (-1 unknown),
// under a budget and a cap in megabytes (0 for none).
struct BudgetCase {
    BillPlan plan;
    BillStatistics::Figures figures;

    BudgetCase(double budget, double cap, double cost, qint64 volume)
        : figures{BillPeriod::containing(QDate(2026, 11, 20), 15),
                  true,
                  1,
                  "1 hrs 0 mins 0 secs",
                  cost,
                  volume < 0 ? std::nullopt : std::optional<quint64>(volume),
                  std::nullopt}
    {
        plan.setBudget(QString::number(budget));
        plan.setVolumeCap(QString::number(cap));
    }
    BudgetCheck::Status status() const { return BudgetCheck::check(figures, plan); }
};
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

    void dataPlan_data()
    {
        QTest::addColumn<Records>("records");
        QTest::addColumn<QStringList>("plan"); // allowance in MB, price per MB, fixed price
        // cost|projection|by volume|allowance|unknown volume
        QTest::addColumn<QString>("figures");
        const Records bytes{withBytes(call("2026-11-16", 0, 10, 0, 0.4f), 0, 200000000)};
        QTest::newRow("no data plan: the figures of time alone")
            << bytes << QStringList{"0", "0", "0"}
            << "£0.40|at this rate £2.00 by Mon 14 Dec 26|||";
        QTest::newRow("the fixed price in the total and the projection, not pro rata")
            << Records{call("2026-11-18", 0, 20, 0, 1.2f)} << QStringList{"0", "0", "10"}
            << "£11.20|at this rate £16.00 by Mon 14 Dec 26|||";
        QTest::newRow("time at its rate so far, the projected bytes beyond the allowance priced")
            << bytes << QStringList{"500", "0.01", "0"}
            << "£0.40|at this rate £7.00 by Mon 14 Dec 26|at this rate 1.0 GB by Mon 14 Dec 26|"
               "200.0 MB used, 300.0 MB left of 500.0 MB|";
        QTest::newRow("a call of unknown bytes is left out, and the bill says so")
            << Records{call("2026-11-16", 0, 10, 0, 0.4f), bytes.first()}
            << QStringList{"100", "0.01", "0"}
            << "£1.80|at this rate £13.00 by Mon 14 Dec 26|at this rate 1.0 GB by Mon 14 Dec 26|"
               "100.0 MB used, 0 bytes left of 100.0 MB|"
               "excludes the volume of 1 call whose bytes are unknown";
    }
    void dataPlan()
    {
        QFETCH(Records, records);
        QFETCH(QStringList, plan);
        QFETCH(QString, figures);
        BillPlan billPlan;
        billPlan.setBillDay(15);
        billPlan.setAllowance(plan[0]);
        billPlan.setPricePerMegabyte(plan[1]);
        billPlan.setFixedPrice(plan[2]);
        ConnectionTable table = tableOf(records);
        VolumeCharges::apply(table, billPlan);
        const BillStatistics::Figures bill =
            BillStatistics::billBack(table, billPlan, 0, QDate(2026, 11, 20));
        QCOMPARE(QStringList({Formats::currency(bill.cost), BillStatistics::projection(bill),
                              BillStatistics::volumeProjection(bill),
                              BillStatistics::allowanceText(bill),
                              BillStatistics::unknownVolumeNote(bill)})
                     .join('|'),
                 figures);
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
        QTest::newRow("the cap passed first, the budget near")
            << 10.0 << 1.0 << 8.5 << qint64(1100000)
            << "cost80 volume80 volume100|Over volume cap: this bill has used 110% of its volume "
               "cap (1.1 MB of 1.0 MB). Near budget: this bill has used 85% of its budget (£8.50 "
               "of £10.00).|£8.50, 85% of £10.00 budget, 1.1 MB, 110% of 1.0 MB cap";
        QTest::newRow("both over, the higher share first")
            << 10.0 << 1.0 << 11.0 << qint64(1300000)
            << "cost80 cost100 volume80 volume100|Over volume cap: this bill has used 130% of its "
               "volume cap (1.3 MB of 1.0 MB). Over budget: this bill has used 110% of its budget "
               "(£11.00 of £10.00).|£11.00, 110% of £10.00 budget, 1.3 MB, 130% of 1.0 MB cap";
    }
    void budget()
    {
        QFETCH(double, budget);
        QFETCH(double, cap);
        QFETCH(double, cost);
        QFETCH(qint64, volume);
        QFETCH(QString, expected);
        const BudgetCase bill(budget, cap, cost, volume);
        const BudgetCheck::Status status = bill.status();
        QStringList keys;
        for (const BudgetCheck::Threshold& threshold : status.reached)
            keys << threshold.key();
        QStringList want = expected.split('|');
        want[2].prepend("This bill (from Sun 15 Nov 26): 1 call, 1 hrs 0 mins 0 secs, ");
        QCOMPARE((QStringList{keys.join(' '), status.warning,
                              BillSummary::line(bill.figures, bill.plan)}),
                 want);
    }

    // For a narrow status line: shorter and shorter, down to the worst threshold's figure.
    void shorterForms_data()
    {
        QTest::addColumn<double>("budget");
        QTest::addColumn<double>("cost");
        QTest::addColumn<qint64>("volume"); // of a 1 MB cap
        QTest::addColumn<QStringList>("forms");
        QTest::newRow("below 80%") << 10.0 << 5.0 << qint64(10) << QStringList{};
        QTest::newRow("one warning")
            << 0.0 << 5.0 << qint64(850000)
            << QStringList{"Near volume cap: this bill has used 85% of its volume cap (850.0 kB "
                           "of 1.0 MB).",
                           "Near volume cap: 85% (850.0 kB of 1.0 MB).", "Near volume cap: 85%."};
        QTest::newRow("two warnings")
            << 10.0 << 8.5 << qint64(1100000)
            << QStringList{"Over volume cap: this bill has used 110% of its volume cap (1.1 MB of "
                           "1.0 MB). Near budget: this bill has used 85% of its budget (£8.50 of "
                           "£10.00).",
                           "Over volume cap: 110% (1.1 MB of 1.0 MB). Near budget: 85% (£8.50 of "
                           "£10.00).",
                           "Over volume cap: 110%. Near budget: 85%.", "Over volume cap: 110%."};
    }
    void shorterForms()
    {
        QFETCH(double, budget);
        QFETCH(double, cost);
        QFETCH(qint64, volume);
        QFETCH(QStringList, forms);
        QCOMPARE(BudgetCase(budget, 1.0, cost, volume).status().forms, forms);
    }

    // What the bill panel shows, as a status bar or a script reads it.
    void summary_data()
    {
        QTest::addColumn<Records>("records");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("budget");
        QTest::addColumn<QString>("cap");          // megabytes
        QTest::addColumn<QStringList>("dataPlan"); // allowance in MB, price per MB, fixed price
        QTest::addColumn<QString>("line");
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("calls, projection and budget")
            << Records{call("2026-11-16", 0, 20, 0, 1.2f), call("2026-11-18", 0, 10, 0, 0.6f)}
            << QDate(2026, 11, 20) << "2.5"
            << "0" << QStringList{"0", "0", "0"}
            << "This bill (from Sun 15 Nov 26): 2 calls, 0 hrs 30 mins 0 secs, £1.80, at this "
               "rate £9.00 by Mon 14 Dec 26, 72% of £2.50 budget"
            << QByteArray(
                   R"({"allowance":null,"allowanceUsed":null,"budget":2.5,"budgetUsedPercent":72,"bytes":null,"calls":2,)"
                   R"("cost":1.8,"currency":"GBP","current":true,"fixedPrice":0,"from":"2026-11-15",)"
                   R"("projectedBytes":null,"projectedCost":9,"seconds":1800,"to":"2026-12-14","unknownVolumeCalls":0,"volumeCap":null,)"
                   R"("volumeCapUsedPercent":null})");
        QTest::newRow("bytes against a cap, no budget")
            << Records{withBytes(call("2026-11-16", 0, 1, 0), 400000, 100000),
                       call("2026-11-17", 0, 1, 0)}
            << QDate(2026, 11, 17) << "0"
            << "1" << QStringList{"0", "0", "0"}
            << "This bill (from Sun 15 Nov 26): 2 calls, 0 hrs 2 mins 0 secs, £0.00, at this "
               "rate £0.00 by Mon 14 Dec 26, no budget, 500.0 kB, 50% of 1.0 MB cap"
            << QByteArray(
                   R"({"allowance":null,"allowanceUsed":null,"budget":null,"budgetUsedPercent":null,"bytes":500000,"calls":2,)"
                   R"("cost":0,"currency":"GBP","current":true,"fixedPrice":0,"from":"2026-11-15",)"
                   R"("projectedBytes":null,"projectedCost":0,"seconds":120,"to":"2026-12-14",)"
                   R"("unknownVolumeCalls":0,"volumeCap":1000000,"volumeCapUsedPercent":50})");
        QTest::newRow("a data plan")
            << Records{withBytes(call("2026-11-16", 0, 10, 0, 1.0f), 1500000, 500000)}
            << QDate(2026, 11, 20) << "0"
            << "0" << QStringList{"1", "0.5", "5"}
            << "This bill (from Sun 15 Nov 26): 1 call, 0 hrs 10 mins 0 secs, £6.00, at this "
               "rate £14.50 by Mon 14 Dec 26, no budget, 2.0 MB, at this rate 10.0 MB by Mon 14 "
               "Dec 26, 1.0 MB used, 0 bytes left of 1.0 MB, £5.00 fixed price"
            << QByteArray(R"({"allowance":1000000,"allowanceUsed":1000000,"budget":null,)"
                          R"("budgetUsedPercent":null,"bytes":2000000,"calls":1,"cost":6,)"
                          R"("currency":"GBP","current":true,"fixedPrice":5,"from":"2026-11-15",)"
                          R"("projectedBytes":10000000,"projectedCost":14.5,"seconds":600,)"
                          R"("to":"2026-12-14","unknownVolumeCalls":0,"volumeCap":null,)"
                          R"("volumeCapUsedPercent":null})");
    }
    void summary()
    {
        QFETCH(Records, records);
        QFETCH(QDate, today);
        QFETCH(QString, budget);
        QFETCH(QString, cap);
        QFETCH(QStringList, dataPlan);
        QFETCH(QString, line);
        QFETCH(QByteArray, json);
        BillPlan plan;
        plan.setBillDay(15);
        plan.setBudget(budget);
        plan.setVolumeCap(cap);
        plan.setAllowance(dataPlan.at(0));
        plan.setPricePerMegabyte(dataPlan.at(1));
        plan.setFixedPrice(dataPlan.at(2));
        const BillStatistics::Figures figures =
            BillStatistics::billBack(tableOf(records), plan, 0, today);
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
