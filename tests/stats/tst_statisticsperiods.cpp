#include "costedrecord.h"
#include "log/connectiontable.h"
#include "stats/statisticsperiods.h"
#include "testregistry.h"

#include <QTest>

class TstStatisticsPeriods : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void daysSinceFirst_data()
    {
        QTest::addColumn<QStringList>("dates");
        QTest::addColumn<int>("days");
        QTest::newRow("empty table") << QStringList{} << 0;
        QTest::newRow("first connection today") << QStringList{"2000-04-28"} << 0;
        QTest::newRow("counted from the first slot")
            << QStringList{"2000-04-01", "1999-01-01"} << 27;
        QTest::newRow("after today") << QStringList{"2000-05-01"} << -3;
    }
    void daysSinceFirst()
    {
        QFETCH(QStringList, dates);
        QFETCH(int, days);
        ConnectionTable table;
        for (const QString& date : dates)
            table.append(costedRecord(date, "23:59:00", 0, 0, 1, 0.0f));
        QCOMPARE(StatisticsPeriods::daysSinceFirst(table, QDate(2000, 4, 28)), days);
    }

    void limits_data()
    {
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("sinceFar");
        QTest::addColumn<int>("weeksFar");
        QTest::newRow("today only") << 0 << 1 << 1;
        QTest::newRow("six days back") << 6 << 7 << 1;
        QTest::newRow("seven days back") << 7 << 8 << 2;
        QTest::newRow("thirteen days back") << 13 << 14 << 2;
        QTest::newRow("fourteen days back") << 14 << 15 << 3;
        QTest::newRow("first connection after today") << -3 << 1 << 1;
    }
    void limits()
    {
        QFETCH(int, days);
        QFETCH(int, sinceFar);
        QFETCH(int, weeksFar);
        StatisticsPeriods periods;
        periods.limitDays(days);
        periods.limitWeeks(days);
        QCOMPARE(periods.sinceFarLimit(), sinceFar);
        QCOMPARE(periods.weeksFarLimit(), weeksFar);
        QCOMPARE(periods.since(), 1);
        QCOMPARE(periods.sto(), 1);
        QCOMPARE(periods.weeks(), 1);
    }

    void moves_data()
    {
        // Each step is a name and a value, run in order on limits for 30 days back.
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QList<int>>("expected"); // since, sto, weeks, sto's far limit

        QTest::newRow("the end of the span follows its start")
            << QStringList{"since 10", "sto 8"} << QList<int>{10, 8, 1, 10};
        QTest::newRow("since nearer than sto pulls sto along")
            << QStringList{"since 10", "sto 8", "since 5"} << QList<int>{5, 5, 1, 5};
        QTest::newRow("sto never before since")
            << QStringList{"since 4", "sto 9"} << QList<int>{4, 4, 1, 4};
        QTest::newRow("beyond the far limits")
            << QStringList{"since 100", "weeks 100"} << QList<int>{31, 1, 5, 31};
        QTest::newRow("never below today or one week")
            << QStringList{"since 0", "sto -2", "weeks 0"} << QList<int>{1, 1, 1, 1};
        QTest::newRow("a shorter log pulls every value in")
            << QStringList{"since 20", "sto 15", "weeks 5", "days 9"} << QList<int>{10, 10, 2, 10};
    }
    void moves()
    {
        QFETCH(QStringList, steps);
        QFETCH(QList<int>, expected);
        StatisticsPeriods periods;
        periods.limitDays(30);
        periods.limitWeeks(30);
        for (const QString& step : steps) {
            const QString name = step.section(' ', 0, 0);
            const int value = step.section(' ', 1).toInt();
            if (name == "since")
                periods.setSince(value);
            else if (name == "sto")
                periods.setSto(value);
            else if (name == "weeks")
                periods.setWeeks(value);
            else {
                periods.limitDays(value);
                periods.limitWeeks(value);
            }
        }
        QCOMPARE(
            (QList<int>{periods.since(), periods.sto(), periods.weeks(), periods.stoFarLimit()}),
            expected);
    }
};

DIALTRAK_TEST(TstStatisticsPeriods)
#include "tst_statisticsperiods.moc"
