#include "log/connectiontable.h"
#include "report/connectionline.h"
#include "report/connectionlinecache.h"
#include "reporttable.h"
#include "testregistry.h"

#include <QLocale>
#include <QTest>

class TstConnectionLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void text_data()
    {
        QTest::addColumn<ConnectionRecord>("record");
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("twelveHour");
        QTest::addColumn<QString>("line");

        const ConnectionRecord peak =
            costedRecord("2000-04-03", "21:05:00", 1, 5, 9, 0.45f, "Peak Rate");
        QTest::newRow("24-hour")
            << peak << 1 << false
            << "001: Connected on Mon 03 Apr 00, 21:05 for 1 hrs 05 mins 09 secs costing £0.45 "
               "-Peak Rate";
        QTest::newRow("12-hour")
            << peak << 1 << true
            << QString(
                   "001: Connected on Mon 03 Apr 00, 09:05 %1 for 1 hrs 05 mins 09 secs costing "
                   "£0.45 -Peak Rate")
                   .arg(QLocale().pmText());
        QTest::newRow("noon and midnight on the 12-hour clock")
            << costedRecord("2000-04-03", "00:30:00", 0, 0, 0, 0.0f) << 42 << true
            << QString(
                   "042: Connected on Mon 03 Apr 00, 12:30 %1 for 0 hrs 00 mins 00 secs costing "
                   "£0.00 -")
                   .arg(QLocale().amText());
        QTest::newRow("connection 1000, long call, older date form")
            << costedRecord("28/04/2000", "09:00:59", 12, 59, 59, 12.5f, "Unknown End") << 1000
            << false
            << "1000: Connected on Fri 28 Apr 00, 09:00 for 12 hrs 59 mins 59 secs costing "
               "£12.50 -Unknown End";
        ConnectionRecord unknownVolume = costedRecord("2000-04-03", "21:05:00", 0, 5, 0, 0.45f);
        unknownVolume.volumeCost = std::nullopt;
        QTest::newRow("bytes priced but unknown: the time cost, marked")
            << unknownVolume << 3 << false
            << "003: Connected on Mon 03 Apr 00, 21:05 for 0 hrs 05 mins 00 secs costing £0.45 "
               "(volume unknown) -";
        QTest::newRow("extra information kept as typed")
            << costedRecord("1999-12-31", "23:59:59", 0, 0, 1, 0.01f, " a, \"quoted\" note") << 7
            << false
            << "007: Connected on Fri 31 Dec 99, 23:59 for 0 hrs 00 mins 01 secs costing £0.01 "
               "- a, \"quoted\" note";
    }
    void text()
    {
        QFETCH(ConnectionRecord, record);
        QFETCH(int, number);
        QFETCH(bool, twelveHour);
        QFETCH(QString, line);
        const std::optional<QString> made = ConnectionLine::text(record, number, twelveHour);
        QVERIFY(made.has_value());
        QCOMPARE(*made, line);
        QCOMPARE(ConnectionLine::number(*made), number);
    }

    void unreadableFieldsGiveNoLine_data()
    {
        QTest::addColumn<ConnectionRecord>("record");
        QTest::newRow("bad date") << costedRecord("31 Feb 2000", "10:00:00", 0, 1, 0, 0.1f);
        QTest::newRow("empty date") << costedRecord("", "10:00:00", 0, 1, 0, 0.1f);
        QTest::newRow("bad time") << costedRecord("2000-04-03", "25:00:00", 0, 1, 0, 0.1f);
    }
    void unreadableFieldsGiveNoLine()
    {
        QFETCH(ConnectionRecord, record);
        QVERIFY(!ConnectionLine::text(record, 1, false).has_value());
    }

    void dayChange_data()
    {
        QTest::addColumn<QStringList>("dates");
        QTest::addColumn<QList<bool>>("separators");
        QTest::newRow("first line, same day, next day")
            << QStringList{"2000-04-03", "2000-04-03", "2000-04-04"}
            << QList<bool>{true, false, true};
        // The texts are compared, not the days: another form of the same day starts a new one.
        QTest::newRow("by exact text")
            << QStringList{"2000-04-03", "03/04/2000"} << QList<bool>{true, true};
    }
    void dayChange()
    {
        QFETCH(QStringList, dates);
        QFETCH(QList<bool>, separators);
        ConnectionTable table;
        for (const QString& date : dates)
            table.append(costedRecord(date, "10:00:00", 0, 0, 1, 0.0f));
        QList<bool> made;
        for (int n = 1; n <= table.connectioncount(); ++n)
            made << ConnectionLine::startsNewDay(table, n);
        QCOMPARE(made, separators);
    }

    void numberOfALine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("numberText");
        QTest::addColumn<int>("number");
        QTest::newRow("first") << "001: Connected on ..."
                               << "001" << 1;
        QTest::newRow("two digits") << "042: Connected on ..."
                                    << "042" << 42;
        QTest::newRow("last three-digit") << "999: Connected on ..."
                                          << "999" << 999;
        QTest::newRow("1000") << "1000: Connected on ..."
                              << "1000" << 1000;
        QTest::newRow("day separator") << ""
                                       << "" << 0;
        QTest::newRow("zero") << "000: x"
                              << "000" << 0;
        QTest::newRow("not a number") << "Tota"
                                      << "Tota" << 0;
    }
    void numberOfALine()
    {
        QFETCH(QString, line);
        QFETCH(QString, numberText);
        QFETCH(int, number);
        QCOMPARE(ConnectionLine::numberText(line), numberText);
        QCOMPARE(ConnectionLine::number(line), number);
    }

    void aKeptLineIsTheLineOfTheRecordAsItIsNow_data()
    {
        QTest::addColumn<QString>("change");
        for (const char* change :
             {"nothing", "cost", "note", "minutes", "date", "twelve hour", "number", "locale"})
            QTest::newRow(change) << change;
    }
    void aKeptLineIsTheLineOfTheRecordAsItIsNow()
    {
        QFETCH(QString, change);
        ConnectionLineCache cache;
        ConnectionRecord record = costedRecord("2000-04-03", "21:05:00", 1, 5, 9, 0.45f);
        int number = 7;
        bool twelveHour = false;
        QVERIFY(cache.text(record, number, twelveHour));
        const QLocale before;
        if (change == "cost")
            record.cost = 0.46f;
        else if (change == "note")
            record.otherinfo = "Peak Rate";
        else if (change == "minutes")
            record.durmins = 6;
        else if (change == "date")
            record.conndate = "2000-04-04";
        else if (change == "twelve hour")
            twelveHour = true;
        else if (change == "number")
            number = 8;
        else if (change == "locale")
            QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const std::optional<QString> kept = cache.text(record, number, twelveHour);
        const std::optional<QString> made = ConnectionLine::text(record, number, twelveHour);
        QLocale::setDefault(before);
        QCOMPARE(kept, made);
    }
};

DIALTRAK_TEST(TstConnectionLine)

#include "tst_connectionline.moc"
