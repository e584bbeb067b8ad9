#include "stats/statistics.h"
#include "statstable.h"
#include "testregistry.h"

#include <QTest>

using Records = QList<ConnectionRecord>;

namespace
{
// Friday 28 April 2000.
const QDate Today(2000, 4, 28);
const QString Zero = QStringLiteral("0 hrs 0 mins 0 secs");

QString joined(const Statistics::Totals& totals)
{
    return QStringList{totals.time, totals.cost, totals.averageTime, totals.averageCost}.join('|');
}
} // namespace

class TstStatistics : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void daySpan_data()
    {
        QTest::addColumn<Records>("records");
        QTest::addColumn<int>("since");
        QTest::addColumn<int>("sto");
        QTest::addColumn<QString>("span");   // first day|last day|days
        QTest::addColumn<QString>("totals"); // time|cost|time per day|cost per day

        QTest::newRow("empty table: today to today")
            << Records{} << 1 << 1 << "Fri 28 Apr 00|Fri 28 Apr 00|(1 days)"
            << Zero + "|£0.00|" + Zero + "|£0.00";
        QTest::newRow("first day counted, the day after the last not")
            << Records{call("2000-04-21", 0, 5, 0, 0.05f), call("2000-04-22", 0, 10, 0, 0.1f),
                       call("2000-04-26", 0, 20, 0, 0.2f), call("2000-04-27", 0, 40, 0, 0.4f)}
            << 7 << 3 << "Sat 22 Apr 00|Wed 26 Apr 00|(5 days)"
            << "0 hrs 30 mins 0 secs|£0.30|0 hrs 6 mins 0 secs|£0.06";
        QTest::newRow("after today never in a span")
            << Records{call("2000-04-27", 0, 1, 0), call("2000-04-29", 1, 0, 0)} << 3 << 1
            << "Wed 26 Apr 00|Fri 28 Apr 00|(3 days)"
            << "0 hrs 1 mins 0 secs|£0.00|0 hrs 0 mins 20 secs|£0.00";
        QTest::newRow("60 seconds carry into a minute")
            << Records{call("2000-04-28", 0, 0, 30), call("2000-04-28", 0, 0, 30)} << 1 << 1
            << "Fri 28 Apr 00|Fri 28 Apr 00|(1 days)"
            << "0 hrs 1 mins 0 secs|£0.00|0 hrs 1 mins 0 secs|£0.00";
        QTest::newRow("60 minutes carry into an hour")
            << Records{call("2000-04-28", 0, 30, 0), call("2000-04-28", 0, 30, 0)} << 1 << 1
            << "Fri 28 Apr 00|Fri 28 Apr 00|(1 days)"
            << "1 hrs 0 mins 0 secs|£0.00|1 hrs 0 mins 0 secs|£0.00";
        QTest::newRow("1 hour over 7 days, fractions of a second cut off")
            << Records{call("2000-04-28", 1, 0, 0, 0.7f)} << 7 << 1
            << "Sat 22 Apr 00|Fri 28 Apr 00|(7 days)"
            << "1 hrs 0 mins 0 secs|£0.70|0 hrs 8 mins 34 secs|£0.10";
    }
    void daySpan()
    {
        QFETCH(Records, records);
        QFETCH(int, since);
        QFETCH(int, sto);
        QFETCH(QString, span);
        QFETCH(QString, totals);
        const Statistics::DaySpan figures =
            Statistics::daySpan(tableOf(records), since, sto, Today);
        QCOMPARE(QStringList({figures.firstDay, figures.lastDay, figures.days}).join('|'), span);
        QCOMPARE(joined(figures.totals), totals);
    }

    void lastWeeks_data()
    {
        QTest::addColumn<Records>("records");
        QTest::addColumn<int>("weeks");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("totals"); // time|cost|time per week|cost per week

        QTest::newRow("empty table") << Records{} << 1 << "week(s) (from Sat 22 Apr 00)"
                                     << Zero + "|£0.00|" + Zero + "|£0.00";
        QTest::newRow("one week: six days ago and after today counted, seven days ago not")
            << Records{call("2000-04-21", 0, 5, 0, 0.05f), call("2000-04-22", 0, 10, 0, 0.1f),
                       call("2000-04-29", 0, 20, 0, 0.2f)}
            << 1 << "week(s) (from Sat 22 Apr 00)"
            << "0 hrs 30 mins 0 secs|£0.30|0 hrs 30 mins 0 secs|£0.30";
        QTest::newRow("two weeks share the total")
            << Records{call("2000-04-15", 0, 59, 59, 0.3f), call("2000-04-28", 0, 0, 1, 0.1f)} << 2
            << "week(s) (from Sat 15 Apr 00)"
            << "1 hrs 0 mins 0 secs|£0.40|0 hrs 30 mins 0 secs|£0.20";
    }
    void volumeWhereTheCallsRecordIt()
    {
        // Sent and received added up over the calls that record them; a period without any
        // shows none (a modem log's calls never record bytes).
        Records records{call("2000-04-27", 0, 5, 0, 0.05f), call("2000-04-28", 0, 10, 0, 0.1f)};
        QCOMPARE(Statistics::lastWeeks(tableOf(records), 1, Today).totals.volume, QString());
        records[0].sentBytes = 300000;
        records[0].receivedBytes = 900000;
        records[1].receivedBytes = 100000;
        QCOMPARE(Statistics::lastWeeks(tableOf(records), 1, Today).totals.volume, "1.3 MB");
        QCOMPARE(Statistics::lastWeeks(tableOf(records), 2, Today).totals.averageVolume,
                 "650.0 kB per week");
        QCOMPARE(Statistics::daySpan(tableOf(records), 4, 1, Today).totals.averageVolume,
                 "325.0 kB per day");
    }
    void lastWeeks()
    {
        QFETCH(Records, records);
        QFETCH(int, weeks);
        QFETCH(QString, from);
        QFETCH(QString, totals);
        const Statistics::LastWeeks figures = Statistics::lastWeeks(tableOf(records), weeks, Today);
        QCOMPARE(figures.weeks, QString::number(weeks));
        QCOMPARE(figures.from, from);
        QCOMPARE(joined(figures.totals), totals);
    }

    void perConnection_data()
    {
        QTest::addColumn<Records>("records");
        QTest::addColumn<QString>("average"); // time|cost
        QTest::newRow("empty table") << Records{} << Zero + "|£0.00";
        QTest::newRow("a 12-hour connection does not overflow")
            << Records{call("2000-04-01", 12, 0, 0, 3.5f)} << "12 hrs 0 mins 0 secs|£3.50";
        QTest::newRow("whole table, whatever its days; half seconds cut off")
            << Records{call("1999-01-01", 0, 0, 1, 0.1f), call("2000-05-01", 0, 0, 2, 0.2f)}
            << "0 hrs 0 mins 1 secs|£0.15";
    }
    void perConnection()
    {
        QFETCH(Records, records);
        QFETCH(QString, average);
        const Statistics::PerConnection figures = Statistics::perConnection(tableOf(records));
        QCOMPARE(figures.time + '|' + figures.cost, average);
    }
};

DIALTRAK_TEST(TstStatistics)
#include "tst_statistics.moc"
