#include "recordingprogress.h"
#include "recordingstore.h"
#include "tariff/tarifftable.h"
#include "testregistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace
{
const QString kSection = QStringLiteral("TimesAndTarifs");
constexpr quint32 kRed = 255, kBlue = 16711680, kYellow = 65535, kCyan = 16776960;

// The keys in the order they are stored: amounts, options, the grid hour by hour, then the
// holidays and the bill.
QStringList expectedKeys()
{
    QStringList keys{"Rate1", "Rate2",    "Rate3",    "Rate4", "Rate5",
                     "Min",   "Discount", "ID rates", "12hour"};
    const QStringList days{"Mon", "Tue", "Wed", "Thus", "Fri", "Sat", "Sun"};
    for (int hour = 0; hour < 24; ++hour) {
        for (const QString& day : days)
            keys << day + QString::number(hour);
    }
    keys << "Holidays"
         << "Bill day"
         << "Budget"
         << "Volume cap"
         << "Allowance"
         << "Allowance unit"
         << "Price per MB"
         << "Fixed price";
    for (QString& key : keys)
        key.prepend(kSection + QLatin1Char('/'));
    return keys;
}

quint32 standardColour(int day, int hour)
{
    if (day >= 5)
        return kYellow;
    return (hour >= 8 && hour <= 17) ? kRed : kBlue;
}
} // namespace

class TstTariffTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void emptyStoreGivesDefaults()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.filePath("t.conf"));
        RecordingProgress progress;
        TariffTable tariff;
        tariff.load(store, progress);
        for (int r = 0; r < TariffTable::RateCount; ++r)
            QCOMPARE(tariff.rate(r), QString("0"));
        QCOMPARE(tariff.minimum(), QString("0"));
        QCOMPARE(tariff.discount(), QString("0"));
        QVERIFY(tariff.identify());
        QVERIFY(tariff.twelveHour());
        for (int day = 0; day < 7; ++day) {
            for (int hour = 0; hour < 24; ++hour) {
                QCOMPARE(tariff.cellColour(day, hour), standardColour(day, hour));
                QCOMPARE(tariff.cellTag(day, hour), QString("0"));
            }
        }
        QCOMPARE(progress.statuses, QStringList{"Loading Settings..."});
        QCOMPARE(progress.values.size(), 24);
        QCOMPARE(progress.values.first(), 4);
        QCOMPARE(progress.values.last(), 100);
        QVERIFY(std::is_sorted(progress.values.begin(), progress.values.end()));
        // A read never writes.
        QVERIFY(!QFile::exists(store.fileName()));
    }

    void discountRangeRule_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("above 100") << "150"
                                   << "0";
        QTest::newRow("just above 100") << "100.01"
                                        << "0";
        QTest::newRow("below 0") << "-5"
                                 << "0";
        QTest::newRow("100 stays") << "100"
                                   << "100";
        QTest::newRow("0 stays") << "0"
                                 << "0";
        QTest::newRow("text after a valid number stays") << "10%"
                                                         << "10%";
        QTest::newRow("text after a large number") << "150%"
                                                   << "0";
        QTest::newRow("not a number stays as typed") << "abc"
                                                     << "abc";
    }
    void discountRangeRule()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        TariffTable tariff;
        tariff.setDiscount(typed);
        QCOMPARE(tariff.discount(), kept);
    }

    void loadNormalisesStoredValues()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.filePath("t.conf"));
        store.write(kSection, "Rate1", "0.0395");
        store.write(kSection, "Rate2", "abc");
        store.write(kSection, "Rate3", "0.040");
        store.write(kSection, "Rate4", "4.12345");
        store.write(kSection, "Rate5", "-0.01");
        store.write(kSection, "Min", "0,05000"); // saved under a German locale
        store.write(kSection, "Discount", "12.5x");
        store.write(kSection, "ID rates", "0");
        store.write(kSection, "12hour", "0");
        store.write(kSection, "Mon10", "65535");
        store.write(kSection, "Thus23", "65280");
        store.write(kSection, "Tue3", "not a colour");
        store.write(kSection, "Sun5", "123");

        TariffTable tariff;
        SilentProgress progress;
        // What could not be read is named, so the user is told instead of finding every call free.
        QCOMPARE(tariff.load(store, progress), (QStringList{"Rate 2", "Rate 5"}));
        QCOMPARE(tariff.rate(0), QString("0.0395"));
        QCOMPARE(tariff.rate(1), QString("0"));
        QCOMPARE(tariff.rate(2), QString("0.04"));
        QCOMPARE(tariff.rate(3), QString("4.1234"));
        QCOMPARE(tariff.rate(4), QString("0"));
        QCOMPARE(tariff.minimum(), QString("0.05"));
        QCOMPARE(tariff.discount(), QString("12.5"));
        QVERIFY(!tariff.identify());
        QVERIFY(!tariff.twelveHour());
        QCOMPARE(tariff.rateOfCell(0, 10), 2);
        QCOMPARE(tariff.cellTag(0, 10), QString("0.04"));
        QCOMPARE(tariff.rateOfCell(3, 23), 3);
        QCOMPARE(tariff.cellTag(3, 23), QString("4.1234"));
        QCOMPARE(tariff.cellColour(1, 3), kBlue);
        QCOMPARE(tariff.cellTag(1, 3), QString("0"));
        QCOMPARE(tariff.rateOfCell(6, 5), -1);
        QCOMPARE(tariff.cellTag(6, 5), QString());
        QCOMPARE(tariff.cellTag(0, 9), QString("0.0395"));
    }

    void saveWritesEveryKeyInOrderAndLoadsBack()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath("t.conf");
        TariffTable tariff;
        tariff.setRate(0, "0.0400");
        tariff.setRate(4, "1.00005");
        tariff.setMinimum(".05");
        tariff.setDiscount("10%");
        tariff.setIdentify(false);
        tariff.setCellColour(2, 7, kCyan);
        tariff.setCellColour(6, 23, kRed);
        {
            RecordingStore store(ini);
            const TariffTable::SaveResult result = tariff.save(store);
            QVERIFY(result.saved);
            QVERIFY(result.invalidField.isEmpty());
            QCOMPARE(store.writes, expectedKeys());
        }
        // Normalised texts go back into the fields and the tags follow the painted colours.
        QCOMPARE(tariff.rate(0), QString("0.04"));
        QCOMPARE(tariff.rate(4), QString("1"));
        QCOMPARE(tariff.minimum(), QString("0.05"));
        QCOMPARE(tariff.discount(), QString("10"));
        QCOMPARE(tariff.cellTag(2, 7), QString("1"));
        QCOMPARE(tariff.cellTag(6, 23), QString("0.04"));

        RecordingStore store(ini);
        QCOMPARE(store.read(kSection, "ID rates", "x"), QString("0"));
        QCOMPARE(store.read(kSection, "12hour", "x"), QString("1"));
        QCOMPARE(store.read(kSection, "Wed7", "x"), QString("16776960"));
        QCOMPARE(store.read(kSection, "Mon8", "x"), QString("255"));
        store.reads.clear();

        TariffTable loaded;
        SilentProgress progress;
        loaded.load(store, progress);
        QCOMPARE(store.reads, expectedKeys());
        for (int r = 0; r < TariffTable::RateCount; ++r)
            QCOMPARE(loaded.rate(r), tariff.rate(r));
        QCOMPARE(loaded.minimum(), tariff.minimum());
        QCOMPARE(loaded.discount(), tariff.discount());
        QCOMPARE(loaded.identify(), tariff.identify());
        QCOMPARE(loaded.twelveHour(), tariff.twelveHour());
        for (int day = 0; day < 7; ++day) {
            for (int hour = 0; hour < 24; ++hour) {
                QCOMPARE(loaded.cellColour(day, hour), tariff.cellColour(day, hour));
                QCOMPARE(loaded.cellTag(day, hour), tariff.cellTag(day, hour));
            }
        }
    }

    void dataPlanSavesAndLoadsBack_data()
    {
        QTest::addColumn<QString>("allowance");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("fixed");
        QTest::addColumn<QString>("refused"); // the field named, empty when saved
        QTest::newRow("a plan in gigabytes") << "5.0"
                                             << ".01"
                                             << "10.50"
                                             << "";
        QTest::newRow("allowance below zero") << "-1"
                                              << "0"
                                              << "0"
                                              << "Allowance per bill";
        QTest::newRow("price not a number") << "0"
                                            << "a penny"
                                            << "0"
                                            << "Price per MB beyond it";
        QTest::newRow("fixed price not a number") << "0"
                                                  << "0"
                                                  << "ten"
                                                  << "Fixed price per bill";
    }
    void dataPlanSavesAndLoadsBack()
    {
        QFETCH(QString, allowance);
        QFETCH(QString, price);
        QFETCH(QString, fixed);
        QFETCH(QString, refused);
        QTemporaryDir dir;
        RecordingStore store(dir.filePath("t.conf"));
        TariffTable tariff;
        tariff.billPlan().setAllowance(allowance);
        tariff.billPlan().setAllowanceUnit(BillPlan::Unit::Gigabytes);
        tariff.billPlan().setPricePerMegabyte(price);
        tariff.billPlan().setFixedPrice(fixed);
        const TariffTable::SaveResult result = tariff.save(store);
        QCOMPARE(result.invalidField, refused);
        if (!refused.isEmpty()) {
            QVERIFY(store.writes.isEmpty());
            return;
        }
        QCOMPARE(QStringList({store.read(kSection, "Allowance", "x"),
                              store.read(kSection, "Allowance unit", "x"),
                              store.read(kSection, "Price per MB", "x"),
                              store.read(kSection, "Fixed price", "x")}),
                 QStringList({"5", "GB", "0.01", "10.5"}));
        TariffTable loaded;
        SilentProgress progress;
        QVERIFY(loaded.load(store, progress).isEmpty());
        QCOMPARE(loaded.appliedBillPlan(), tariff.billPlan());
        QCOMPARE(loaded.appliedBillPlan().allowanceBytes(), std::optional<quint64>(5000000000));
    }

    void saveRefusesAnAmountThatIsNotANumber_data()
    {
        QTest::addColumn<int>("rate");
        QTest::addColumn<QString>("minimum");
        QTest::addColumn<QString>("field");
        QTest::newRow("rate 2") << 1 << "0.05"
                                << "Rate 2";
        QTest::newRow("rate 5") << 4 << "0.05"
                                << "Rate 5";
        QTest::newRow("minimum") << -1 << "five pence"
                                 << "Minimum cost of call";
        QTest::newRow("minimum below zero") << -1 << "-0.05"
                                            << "Minimum cost of call";
    }
    void saveRefusesAnAmountThatIsNotANumber()
    {
        QFETCH(int, rate);
        QFETCH(QString, minimum);
        QFETCH(QString, field);
        QTemporaryDir dir;
        RecordingStore store(dir.filePath("t.conf"));
        TariffTable tariff;
        tariff.setRate(0, "0.0400");
        tariff.setMinimum(minimum);
        if (rate >= 0)
            tariff.setRate(rate, "abc");
        tariff.setCellColour(0, 0, kRed);
        const TariffTable::SaveResult result = tariff.save(store);
        QVERIFY(!result.saved);
        QCOMPARE(result.invalidField, field);
        QCOMPARE(result.invalidRate, rate);
        QVERIFY(store.writes.isEmpty());
        // Nothing in the table changed either: no normalising, no tags.
        QCOMPARE(tariff.rate(0), QString("0.0400"));
        QCOMPARE(tariff.cellTag(0, 0), QString());
    }

    void setboxratesFollowsColoursOnly()
    {
        TariffTable tariff;
        tariff.setRate(0, "0.04");
        tariff.setRate(1, "0.04");
        tariff.setRate(2, "0.01");
        tariff.setboxrates();
        // Equal amounts give equal tags.
        QCOMPARE(tariff.cellTag(0, 9), tariff.cellTag(0, 20));
        // Painting changes the colour only; an unmatched colour keeps the tag it had.
        tariff.setCellColour(0, 9, kYellow);
        tariff.setCellColour(5, 4, 0x123456);
        QCOMPARE(tariff.cellTag(0, 9), QString("0.04"));
        tariff.setboxrates();
        QCOMPARE(tariff.cellTag(0, 9), QString("0.01"));
        QCOMPARE(tariff.rateOfCell(5, 4), -1);
        QCOMPARE(tariff.cellTag(5, 4), QString("0.01"));
    }
};

DIALTRAK_TEST(TstTariffTable)
#include "tst_tarifftable.moc"
