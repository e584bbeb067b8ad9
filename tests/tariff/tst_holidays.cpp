#include "costedrecord.h"
#include "log/connectiontable.h"
#include "platform/progresssink.h"
#include "recordingstore.h"
#include "tariff/callcoster.h"
#include "tariff/holidaylist.h"
#include "tariff/tarifftable.h"
#include "tariff/ukbankholidays.h"
#include "testregistry.h"

#include <QTemporaryDir>
#include <QTest>

class TstHolidays : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bankHolidays_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("days"); // month-day of each, in order
        QTest::newRow("2026: Boxing Day on a Saturday")
            << 2026 << "01-01 04-03 04-06 05-04 05-25 08-31 12-25 12-28";
        QTest::newRow("2038: Easter at its latest")
            << 2038 << "01-01 04-23 04-26 05-03 05-31 08-30 12-27 12-28";
        QTest::newRow("2027: Easter in March, Christmas on a Saturday")
            << 2027 << "01-01 03-26 03-29 05-03 05-31 08-30 12-27 12-28";
        QTest::newRow("2022: New Year on a Saturday, Christmas on a Sunday; spring holiday "
                      "moved, the jubilee and the state funeral")
            << 2022 << "01-03 04-15 04-18 05-02 06-02 06-03 08-29 09-19 12-26 12-27";
        QTest::newRow("1981: the royal wedding")
            << 1981 << "01-01 04-17 04-20 05-04 05-25 07-29 08-31 12-25 12-28";
        QTest::newRow("1995: early May holiday moved to VE Day")
            << 1995 << "01-02 04-14 04-17 05-08 05-29 08-28 12-25 12-26";
        QTest::newRow("1999: the Millennium")
            << 1999 << "01-01 04-02 04-05 05-03 05-31 08-30 12-27 12-28 12-31";
        QTest::newRow("2002: spring holiday moved, the Golden Jubilee")
            << 2002 << "01-01 03-29 04-01 05-06 06-03 06-04 08-26 12-25 12-26";
        QTest::newRow("2011: the royal wedding")
            << 2011 << "01-03 04-22 04-25 04-29 05-02 05-30 08-29 12-26 12-27";
        QTest::newRow("2012: spring holiday moved, the Diamond Jubilee")
            << 2012 << "01-02 04-06 04-09 05-07 06-04 06-05 08-27 12-25 12-26";
        QTest::newRow("2020: early May holiday moved to VE Day")
            << 2020 << "01-01 04-10 04-13 05-08 05-25 08-31 12-25 12-28";
        QTest::newRow("2023: the Coronation")
            << 2023 << "01-02 04-07 04-10 05-01 05-08 05-29 08-28 12-25 12-26";
        QTest::newRow("before the rules") << 1977 << "";
    }
    void bankHolidays()
    {
        QFETCH(int, year);
        QFETCH(QString, days);
        QList<QDate> expected;
        for (const QString& day : days.split(' ', Qt::SkipEmptyParts))
            expected << QDate::fromString(QString::number(year) + '-' + day, Qt::ISODate);
        QCOMPARE(UkBankHolidays::forYear(year), expected);
    }

    // A holiday takes Sunday's row of the grid for its own hours and as the next day of a call
    // that runs past midnight. Good Friday and Easter Monday 2000 were 21 and 24 April; weekday
    // nights cost 0.015 a minute, Sundays 0.01.
    void aHolidayIsCostedAsASunday()
    {
        QTemporaryDir dir;
        RecordingStore store(dir.filePath("t.conf"));
        TariffTable tariff;
        for (const int rate : {0, 1, 2})
            tariff.setRate(rate, QStringList{"0.04", "0.015", "0.01"}[rate]);
        tariff.setHolidays(HolidayList::fromText("2000-04-21 2000-04-24"));
        QVERIFY(tariff.save(store).saved);
        ConnectionTable table;
        for (const char* date : {"2000-04-20", "2000-04-24"}) {
            ConnectionRecord record = costedRecord(date, "23:30:00", 0, 0, 0, 0);
            record.endtime = "00:30:00";
            table.append(record);
        }
        const CallCoster coster(tariff);
        for (const int n : {1, 2})
            QVERIFY(coster.findvariables(table, n));
        QCOMPARE(table[1].cost, float(30 * 0.015 + 30 * 0.01));
        QCOMPARE(table[2].cost, float(30 * 0.01 + 30 * 0.015));
    }

    void calendarSavesAndLoadsBack()
    {
        QTemporaryDir dir;
        TariffTable tariff;
        tariff.setHolidays(HolidayList::fromText("2026-12-28 2026-12-25"));
        tariff.billPlan().setBillDay(15);
        tariff.billPlan().setBudget("25.000");
        tariff.billPlan().setVolumeCap("500");
        {
            RecordingStore store(dir.filePath("t.conf"));
            QVERIFY(tariff.save(store).saved);
            QCOMPARE(store.read("TimesAndTarifs", "Holidays", "x"),
                     QString("2026-12-25 2026-12-28"));
        }
        RecordingStore store(dir.filePath("t.conf"));
        TariffTable loaded;
        SilentProgress progress;
        loaded.load(store, progress);
        QCOMPARE(loaded.holidays(), tariff.holidays());
        QCOMPARE(loaded.appliedBillPlan(), tariff.billPlan());
        // A budget that is not a number stops the save before anything is stored.
        loaded.billPlan().setBudget("lots");
        store.writes.clear();
        const TariffTable::SaveResult refused = loaded.save(store);
        QVERIFY(!refused.saved);
        QCOMPARE(refused.invalidField, QString("Budget per bill"));
        QVERIFY(store.writes.isEmpty());
        QCOMPARE(loaded.appliedBillPlan().budget(), QString("25"));
    }
};

DIALTRAK_TEST(TstHolidays)
#include "tst_holidays.moc"
