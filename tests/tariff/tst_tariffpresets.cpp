#include "log/connectiontable.h"
#include "recordingstore.h"
#include "tariff/callcoster.h"
#include "tariff/tariffpresets.h"
#include "tariff/tarifftable.h"
#include "testregistry.h"

#include <QTemporaryDir>
#include <QTest>

namespace
{
// Swatch numbers (0 = Rate 1) of the grid every preset paints.
int presetRate(int day, int hour)
{
    if (day >= 5)
        return 2;
    return (hour >= 8 && hour <= 17) ? 0 : 1;
}
} // namespace

class TstTariffPresets : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void entries()
    {
        const QStringList expected{
            "UK BT Tarifs with \"Friends and Family\" and \"Best Friend\" 20% discount",
            "UK BT Tarifs with \"Friends and Family\" 10% discount", "UK BT Tarifs",
            "Cable & Wireless LocalCall, GlobalCall and GlobalCall Plus", "...empty template..."};
        QCOMPARE(TariffPresets::entries(), expected);
        QCOMPARE(TariffPresets::indexOf("UK BT Tarifs"), 2);
        QCOMPARE(TariffPresets::indexOf("UK BT"), -1);
    }

    void apply_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("rates");
        QTest::addColumn<QString>("minimum");
        QTest::addColumn<QString>("discount");
        const QStringList bt{"0.04", "0.015", "0.01", "0", "0"};
        QTest::newRow("BT 20%") << 0 << bt << "0.05"
                                << "20";
        QTest::newRow("BT 10%") << 1 << bt << "0.05"
                                << "10";
        QTest::newRow("BT") << 2 << bt << "0.05"
                            << "0";
        QTest::newRow("Cable & Wireless")
            << 3 << QStringList{"0.0395", "0.0111", "0.0075", "0", "0"} << "0.05"
            << "0";
        QTest::newRow("empty template") << 4 << QStringList{"0", "0", "0", "0", "0"} << "0"
                                        << "0";
    }
    void apply()
    {
        QFETCH(int, index);
        QFETCH(QStringList, rates);
        QFETCH(QString, minimum);
        QFETCH(QString, discount);
        TariffTable tariff;
        for (int r = 0; r < TariffTable::RateCount; ++r)
            tariff.setRate(r, "9");
        tariff.setMinimum("9");
        tariff.setDiscount("55");
        tariff.setIdentify(false);
        tariff.setTwelveHour(false);
        for (int day = 0; day < 7; ++day) {
            for (int hour = 0; hour < 24; ++hour)
                tariff.setCellColour(day, hour, TariffTable::swatchColour(4));
        }
        tariff.setboxrates();

        QVERIFY(TariffPresets::apply(index, tariff));
        for (int r = 0; r < TariffTable::RateCount; ++r)
            QCOMPARE(tariff.rate(r), rates[r]);
        QCOMPARE(tariff.minimum(), minimum);
        QCOMPARE(tariff.discount(), discount);
        QVERIFY(!tariff.identify());
        QVERIFY(!tariff.twelveHour());
        for (int day = 0; day < 7; ++day) {
            for (int hour = 0; hour < 24; ++hour) {
                QCOMPARE(tariff.rateOfCell(day, hour), presetRate(day, hour));
                // Tags wait for the next save.
                QCOMPARE(tariff.cellTag(day, hour), QString("9"));
            }
        }
    }

    void presetThenSaveStoresIt()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath("t.conf");
        TariffTable tariff;
        tariff.setCellColour(0, 8, TariffTable::swatchColour(3));
        QVERIFY(TariffPresets::apply(1, tariff));
        {
            RecordingStore store(ini);
            QVERIFY(tariff.save(store).saved);
        }
        SettingsStore store(ini);
        const QString s = "TimesAndTarifs";
        QCOMPARE(store.read(s, "Rate1", "x"), QString("0.04"));
        QCOMPARE(store.read(s, "Rate2", "x"), QString("0.015"));
        QCOMPARE(store.read(s, "Min", "x"), QString("0.05"));
        QCOMPARE(store.read(s, "Discount", "x"), QString("10"));
        const QStringList days{"Mon", "Tue", "Wed", "Thus", "Fri", "Sat", "Sun"};
        const QStringList colours{"255", "16711680", "65535"};
        for (int day = 0; day < 7; ++day) {
            for (int hour = 0; hour < 24; ++hour)
                QCOMPARE(store.read(s, days[day] + QString::number(hour), "x"),
                         colours[presetRate(day, hour)]);
        }
    }

    void btCallAcrossTheEveningChange()
    {
        TariffTable tariff;
        QVERIFY(TariffPresets::apply(2, tariff));
        tariff.setMinimum("0");
        tariff.setboxrates();
        ConnectionTable table;
        ConnectionRecord record;
        record.conndate = "2000-04-03";
        record.starttime = "17:30:00";
        record.endtime = "18:30:00";
        table.append(record);
        QVERIFY(CallCoster(tariff).findvariables(table, 1));
        QCOMPARE(table[1].cost, 1.65f);
        QCOMPARE(table[1].otherinfo, QString("Peak Rate"));
    }
};

DIALTRAK_TEST(TstTariffPresets)
#include "tst_tariffpresets.moc"
