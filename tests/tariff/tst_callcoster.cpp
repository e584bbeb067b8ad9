#include "log/connectiontable.h"
#include "tariff/callcoster.h"
#include "tariff/tarifftable.h"
#include "testregistry.h"

#include <QTest>

namespace
{
const QString kMonday = QStringLiteral("2000-04-03");
const QString kSaturday = QStringLiteral("2000-04-08");
const QString kSunday = QStringLiteral("2000-04-09");
constexpr double kRate1 = 0.04, kRate2 = 0.015, kRate3 = 0.01, kRate4 = 0.02, kRate5 = 0.03;

// The standard grid with five different amounts, so every rate used shows in the cost. The
// cells given are painted in a colour of no rate before the first tags, so their tags stay empty.
TariffTable pricedTariff(const QList<QPair<int, int>>& unmatched = {})
{
    TariffTable tariff;
    for (const auto& [day, hour] : unmatched)
        tariff.setCellColour(day, hour, 0x123456);
    const QStringList amounts{"0.04", "0.015", "0.01", "0.02", "0.03"};
    for (int r = 0; r < TariffTable::RateCount; ++r)
        tariff.setRate(r, amounts[r]);
    tariff.setboxrates();
    return tariff;
}

ConnectionRecord call(const QString& date, const QString& start, const QString& end)
{
    ConnectionRecord record;
    record.conndate = date;
    record.starttime = start;
    record.endtime = end;
    return record;
}
} // namespace

class TstCallCoster : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void length_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<int>("hours");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("date");
        QTest::newRow("seconds borrow across the hour") << "10:59:50"
                                                        << "11:00:10" << 0 << 0 << 20 << kSaturday;
        QTest::newRow("minutes borrow from the hour") << "10:00:50"
                                                      << "11:00:10" << 0 << 59 << 20 << kSaturday;
        QTest::newRow("past midnight") << "23:50:00"
                                       << "00:20:00" << 0 << 30 << 0 << kSaturday;
        QTest::newRow("past midnight, later minute") << "23:10:00"
                                                     << "00:20:00" << 1 << 10 << 0 << kSaturday;
        QTest::newRow("same time") << "10:00:00"
                                   << "10:00:00" << 0 << 0 << 0 << kSaturday;
        QTest::newRow("several hours") << "07:30:00"
                                       << "19:00:00" << 11 << 30 << 0 << kSaturday;
        QTest::newRow("short end time has no seconds") << "10:00:50"
                                                       << "10:05" << 0 << 5 << 0 << kSaturday;
        // An end earlier in the start's own hour: almost a day, never a negative length.
        QTest::newRow("earlier minute, same hour") << "10:30:00"
                                                   << "10:20:00" << 23 << 50 << 0 << kSaturday;
        QTest::newRow("earlier second, same minute") << "10:30:30"
                                                     << "10:30:10" << 23 << 59 << 40 << kSaturday;
        // In London, where the clocks went back at 02:00 BST on 29 October 2000 and forward at
        // 01:00 GMT on 26 March 2000: real time, not clock time.
        QTest::newRow("clocks back during the call") << "01:50:00"
                                                     << "01:10:00" << 0 << 20 << 0 << "2000-10-29";
        QTest::newRow("clocks back, end in the repeated hour")
            << "00:50:00"
            << "01:10:00" << 0 << 20 << 0 << "2000-10-29";
        QTest::newRow("clocks back, unknown end in the repeated hour")
            << "01:30:00"
            << "01:30:00" << 0 << 0 << 0 << "2000-10-29";
        QTest::newRow("clocks forward during the call")
            << "00:50:00"
            << "02:10:00" << 0 << 20 << 0 << "2000-03-26";
        QTest::newRow("the night before the clocks go back")
            << "23:50:00"
            << "01:10:00" << 1 << 20 << 0 << "2000-10-28";
    }
    void length()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(int, hours);
        QFETCH(int, minutes);
        QFETCH(int, seconds);
        QFETCH(QString, date);
        TariffTable tariff = pricedTariff();
        tariff.setRate(0, "1");
        tariff.setRate(1, "1");
        tariff.setRate(2, "1");
        tariff.setboxrates();
        ConnectionTable table;
        table.append(call(date, start, end));
        QVERIFY(CallCoster(tariff, QTimeZone("Europe/London")).findvariables(table, 1));
        QCOMPARE(int(table[1].durhours), hours);
        QCOMPARE(int(table[1].durmins), minutes);
        QCOMPARE(int(table[1].dursecs), seconds);
        // At one unit a minute the cost is the length in minutes.
        QCOMPARE(table[1].cost, float(hours * 60 + minutes + seconds / 60.0));
    }

    // A length the source measured is the length: the texts cannot hold a day and an hour.
    void measuredLength()
    {
        TariffTable tariff = pricedTariff();
        for (int rate = 0; rate < TariffTable::RateCount; ++rate)
            tariff.setRate(rate, "1");
        tariff.setboxrates();
        ConnectionRecord record = call(kSaturday, "10:00:00", "11:00:00");
        record.measuredSeconds = 90000;
        ConnectionTable table;
        table.append(record);
        QVERIFY(CallCoster(tariff).findvariables(table, 1));
        QCOMPARE(QList<int>({table[1].durhours, table[1].durmins, table[1].dursecs}),
                 QList<int>({25, 0, 0}));
        // At one unit a minute the cost is the length in minutes.
        QCOMPARE(table[1].cost, 1500.0f);
    }

    void cost_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("discount");
        QTest::addColumn<QString>("minimum");
        QTest::addColumn<double>("cost");
        QTest::newRow("off-peak call") << kMonday << "20:00:00"
                                       << "20:10:30"
                                       << "0"
                                       << "0" << 10.5 * kRate2;
        QTest::newRow("split at the first full hour") << kMonday << "17:50:00"
                                                      << "18:10:00"
                                                      << "0"
                                                      << "0" << 10 * kRate1 + 10 * kRate2;
        QTest::newRow("only one change of rate") << kMonday << "07:30:00"
                                                 << "19:00:00"
                                                 << "0"
                                                 << "0" << 30 * kRate2 + 660 * kRate1;
        QTest::newRow("ends on the full hour") << kMonday << "17:30:00"
                                               << "18:00:00"
                                               << "0"
                                               << "0" << 30 * kRate1;
        // sm + D = 59 + 31/60 stays below 60, so there is no split.
        QTest::newRow("a second before the hour") << kMonday << "17:59:59"
                                                  << "18:00:30"
                                                  << "0"
                                                  << "0" << 31.0 / 60 * kRate1;
        QTest::newRow("split uses the start minute only") << kMonday << "17:59:30"
                                                          << "18:01:00"
                                                          << "0"
                                                          << "0" << 1 * kRate1 + 0.5 * kRate2;
        QTest::newRow("Sunday night runs into Monday") << kSunday << "23:50:00"
                                                       << "00:20:00"
                                                       << "0"
                                                       << "0" << 10 * kRate3 + 20 * kRate2;
        QTest::newRow("discount") << kMonday << "17:50:00"
                                  << "18:10:00"
                                  << "20"
                                  << "0" << 0.8 * (10 * kRate1 + 10 * kRate2);
        QTest::newRow("minimum is not discounted") << kSaturday << "10:00:00"
                                                   << "10:01:00"
                                                   << "50"
                                                   << "0.05" << 0.05;
        QTest::newRow("discount 100 leaves the minimum") << kMonday << "17:50:00"
                                                         << "18:10:00"
                                                         << "100"
                                                         << "0.05" << 0.05;
        QTest::newRow("discount 100, no minimum") << kMonday << "17:50:00"
                                                  << "18:10:00"
                                                  << "100"
                                                  << "0" << 0.0;
        QTest::newRow("zero length costs the minimum") << kSaturday << "10:00:00"
                                                       << "10:00:00"
                                                       << "0"
                                                       << "0.05" << 0.05;
        QTest::newRow("date in the short form") << "03/04/2000"
                                                << "17:50:00"
                                                << "18:10:00"
                                                << "0"
                                                << "0" << 10 * kRate1 + 10 * kRate2;
    }
    void cost()
    {
        QFETCH(QString, date);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, discount);
        QFETCH(QString, minimum);
        QFETCH(double, cost);
        TariffTable tariff = pricedTariff();
        tariff.setDiscount(discount);
        tariff.setMinimum(minimum);
        ConnectionTable table;
        table.append(call(date, start, end));
        QVERIFY(CallCoster(tariff).findvariables(table, 1));
        QCOMPARE(table[1].cost, float(cost));
    }

    void markers_data()
    {
        QTest::addColumn<QString>("previousEnd");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<bool>("identify");
        QTest::addColumn<QString>("marker");
        QTest::newRow("gap of 2 minutes") << "10:00:40" << kSaturday << "10:02:05"
                                          << "10:30:00" << true << "Reconnection";
        QTest::newRow("gap of 1 minute") << "10:00:59" << kSaturday << "10:01:00"
                                         << "10:30:00" << true << "Reconnection";
        QTest::newRow("same minute") << "10:00:40" << kSaturday << "10:00:55"
                                     << "10:30:00" << true << "";
        QTest::newRow("gap of 3 minutes") << "10:00:40" << kSaturday << "10:03:00"
                                          << "10:30:00" << true << "";
        QTest::newRow("start before the previous end") << "10:05:00" << kSaturday << "10:03:00"
                                                       << "10:30:00" << true << "";
        QTest::newRow("unknown end replaces reconnection") << "10:00:40" << kSaturday << "10:02:05"
                                                           << "10:02:05" << true << "Unknown End";
        QTest::newRow("peak rate replaces unknown end") << "09:00:00" << kMonday << "10:00:00"
                                                        << "10:00:00" << true << "Peak Rate";
        QTest::newRow("peak rate replaces reconnection") << "10:00:40" << kMonday << "10:02:05"
                                                         << "10:30:00" << true << "Peak Rate";
        QTest::newRow("identify off") << "10:00:40" << kMonday << "10:02:05"
                                      << "10:02:05" << false << "";
    }
    void markers()
    {
        QFETCH(QString, previousEnd);
        QFETCH(QString, date);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(bool, identify);
        QFETCH(QString, marker);
        TariffTable tariff = pricedTariff();
        tariff.setIdentify(identify);
        ConnectionTable table;
        table.append(call(kSaturday, "09:00:00", previousEnd));
        table.append(call(date, start, end));
        table[2].otherinfo = "left over";
        QVERIFY(CallCoster(tariff).findvariables(table, 2));
        QCOMPARE(table[2].otherinfo, marker);
    }

    void aConnectionsNameTakesThePlaceOfItsMarker()
    {
        ConnectionTable table;
        table.append(call(kMonday, "09:00:00", "10:00:00"));
        table[1].name = "Mobile Plan";
        QVERIFY(CallCoster(pricedTariff()).findvariables(table, 1));
        QCOMPARE(table[1].otherinfo, QString("Mobile Plan")); // not "Peak Rate"
    }

    void firstSlotIsNeverAReconnection()
    {
        TariffTable tariff = pricedTariff();
        ConnectionTable table;
        table[0].endtime = "10:00:40";
        table.append(call(kSaturday, "10:02:05", "10:30:00"));
        QVERIFY(CallCoster(tariff).findvariables(table, 1));
        QCOMPARE(table[1].otherinfo, QString());
    }

    void paintingWithoutSaveKeepsTheCost()
    {
        // Costing reads the tags of the last save, the peak test the colours as painted.
        TariffTable tariff = pricedTariff();
        tariff.setCellColour(0, 10, TariffTable::swatchColour(2));
        ConnectionTable table;
        table.append(call(kMonday, "10:00:00", "10:10:00"));
        QVERIFY(CallCoster(tariff).findvariables(table, 1));
        QCOMPARE(table[1].cost, float(10 * kRate1));
        QCOMPARE(table[1].otherinfo, QString());
    }

    void fallback_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("previousEnd");
        QTest::addColumn<double>("cost");
        QTest::addColumn<QString>("marker");
        // Saturday is Rate 3 all day; the fallback charges Monday's rate for the start hour.
        QTest::newRow("date that is not a date") << "not a date"
                                                 << "10:00:00"
                                                 << "10:10:00"
                                                 << "08:00:00" << 10 * kRate1 << "";
        QTest::newRow("no peak marker on the fallback") << "not a date"
                                                        << "20:00:00"
                                                        << "20:10:00"
                                                        << "08:00:00" << 10 * kRate2 << "";
        QTest::newRow("unmatched cell colour") << kSaturday << "14:00:00"
                                               << "14:10:00"
                                               << "08:00:00" << 10 * kRate1 << "";
        QTest::newRow("unmatched next hour on a split") << kSaturday << "13:50:00"
                                                        << "14:10:00"
                                                        << "08:00:00" << 20 * kRate1 << "";
        QTest::newRow("reconnection replaces unknown end") << "not a date"
                                                           << "10:02:00"
                                                           << "10:02:00"
                                                           << "10:00:40" << 0.0 << "Reconnection";
        QTest::newRow("unknown end") << "not a date"
                                     << "10:02:00"
                                     << "10:02:00"
                                     << "08:00:00" << 0.0 << "Unknown End";
    }
    void fallback()
    {
        QFETCH(QString, date);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, previousEnd);
        QFETCH(double, cost);
        QFETCH(QString, marker);
        const TariffTable tariff = pricedTariff({{5, 14}});
        QCOMPARE(tariff.cellTag(5, 14), QString());
        ConnectionTable table;
        table.append(call(kSaturday, "07:00:00", previousEnd));
        table.append(call(date, start, end));
        table[2].otherinfo = "left over";
        QVERIFY(!CallCoster(tariff).findvariables(table, 2));
        QCOMPARE(table[2].cost, float(cost));
        QCOMPARE(table[2].otherinfo, marker);
    }

    void error_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("discount");
        QTest::addColumn<QString>("minimum");
        QTest::newRow("Monday's cell has no rate either") << "not a date"
                                                          << "03:00:00"
                                                          << "03:10:00"
                                                          << "0"
                                                          << "0";
        QTest::newRow("start time not a time") << kSaturday << "ab:00:00"
                                               << "10:10:00"
                                               << "0"
                                               << "0";
        QTest::newRow("end time not a time") << kSaturday << "10:00:00"
                                             << "10:1x:00"
                                             << "0"
                                             << "0";
        QTest::newRow("minimum not a number") << kSaturday << "10:00:00"
                                              << "10:10:00"
                                              << "0"
                                              << "abc";
        QTest::newRow("discount not a number") << kSaturday << "10:00:00"
                                               << "10:10:00"
                                               << "10%"
                                               << "0";
    }
    void error()
    {
        QFETCH(QString, date);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, discount);
        QFETCH(QString, minimum);
        TariffTable tariff = pricedTariff({{0, 3}});
        tariff.setDiscount(discount);
        tariff.setMinimum(minimum);
        ConnectionTable table;
        table.append(call(date, start, end));
        table[1].durmins = 5;
        table[1].cost = 1.5f;
        QVERIFY(!CallCoster(tariff).findvariables(table, 1));
        QCOMPARE(table[1].otherinfo, QString("ERROR"));
        QCOMPARE(table[1].cost, 0.0f);
        QCOMPARE(int(table[1].durhours), 0);
        QCOMPARE(int(table[1].durmins), 0);
        QCOMPARE(int(table[1].dursecs), 0);
    }

    // Costs are single-precision: an amount beyond their range was an infinite cost.
    void costBeyondItsRangeIsAnError_data()
    {
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("minimum");
        const QString huge = "1" + QString(40, '0');
        QTest::newRow("rate") << huge << "0";
        QTest::newRow("minimum") << "0.01" << huge;
    }
    void costBeyondItsRangeIsAnError()
    {
        QFETCH(QString, rate);
        QFETCH(QString, minimum);
        TariffTable tariff;
        for (int r = 0; r < TariffTable::RateCount; ++r)
            tariff.setRate(r, rate);
        tariff.setMinimum(minimum);
        tariff.setboxrates();
        ConnectionTable table;
        table.append(call(kSaturday, "10:00:00", "10:10:00"));
        QVERIFY(!CallCoster(tariff).findvariables(table, 1));
        QCOMPARE(table[1].otherinfo, QString("ERROR"));
        QCOMPARE(table[1].cost, 0.0f);
    }
};

DIALTRAK_TEST(TstCallCoster)
#include "tst_callcoster.moc"
