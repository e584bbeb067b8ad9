#include "stats/statisticsperiods.h"
#include "statstable.h"
#include "testregistry.h"

#include <QTest>

class TstStatisticsPeriods : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void limits_data()
    {
        QTest::addColumn<QStringList>("dates");
        QTest::addColumn<int>("sinceFar");
        QTest::addColumn<int>("weeksFar");
        QTest::newRow("empty table: today only") << QStringList{} << 1 << 1;
        QTest::newRow("seven days back, from the first slot")
            << QStringList{"2000-04-21", "1999-01-01"} << 8 << 2;
        QTest::newRow("first connection after today") << QStringList{"2000-05-01"} << 1 << 1;
    }
    void limits()
    {
        QFETCH(QStringList, dates);
        QFETCH(int, sinceFar);
        QFETCH(int, weeksFar);
        QList<ConnectionRecord> records;
        for (const QString& date : dates)
            records << call(date, 0, 0, 1);
        const int days = StatisticsPeriods::daysSinceFirst(tableOf(records), QDate(2000, 4, 28));
        StatisticsPeriods periods;
        periods.limitDays(days);
        periods.limitWeeks(days);
        QCOMPARE(periods.sinceFarLimit(), sinceFar);
        QCOMPARE(periods.weeksFarLimit(), weeksFar);
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
        QTest::newRow("within the limits")
            << QStringList{"since 100", "sto 200", "weeks 100", "weeks 0"}
            << QList<int>{31, 31, 1, 31};
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
            QList<int>({periods.since(), periods.sto(), periods.weeks(), periods.stoFarLimit()}),
            expected);
    }
};

DIALTRAK_TEST(TstStatisticsPeriods)
#include "tst_statisticsperiods.moc"
