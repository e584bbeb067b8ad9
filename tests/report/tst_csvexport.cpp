#include "log/connectiontable.h"
#include "platform/textfile.h"
#include "report/csvexport.h"
#include "reporttable.h"
#include "testregistry.h"

#include <QTemporaryDir>
#include <QTest>

class TstCsvExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void costText_data()
    {
        QTest::addColumn<float>("cost");
        QTest::addColumn<QString>("text");
        QTest::newRow("pence") << 0.46f << "0.46";
        QTest::newRow("tiny, no exponent") << 0.00001f << "0.00001";
        QTest::newRow("every digit a float needs") << 0.110700004f << "0.110700004";
    }
    void costText()
    {
        QFETCH(float, cost);
        QFETCH(QString, text);
        QCOMPARE(CsvExport::costText(cost), text);
        QCOMPARE(text.toFloat(), cost);
    }

    // A spreadsheet adds the end's date and time, less the start's, and gets the length.
    void endDate_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("endDate");
        QTest::newRow("past midnight") << "1999-12-31"
                                       << "23:50:00"
                                       << "00:20:00" << 1800 << "2000-01-01";
        QTest::newRow("the same day") << "2000-04-03"
                                      << "09:15:00"
                                      << "09:20:00" << 300 << "2000-04-03";
        QTest::newRow("end unknown") << "2000-04-03"
                                     << "23:59:00"
                                     << "23:59:00" << 0 << "2000-04-03";
        QTest::newRow("up for days") << "2026-11-16"
                                     << "10:00:00"
                                     << "09:00:00" << 2 * 86400 + 23 * 3600 << "2026-11-19";
        QTest::newRow("clock set back during the call") << "2026-11-16"
                                                        << "23:50:00"
                                                        << "00:10:00" << 1800 << "2026-11-17";
        QTest::newRow("clock set on past midnight during the call")
            << "2026-11-16"
            << "23:40:00"
            << "00:05:00" << 900 << "2026-11-17";
        QTest::newRow("a start that cannot be read") << "2026-11-16"
                                                     << "late"
                                                     << "00:05:00" << 900 << "";
    }
    void endDate()
    {
        QFETCH(QString, date);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(int, seconds);
        QFETCH(QString, endDate);
        ConnectionTable table;
        ConnectionRecord record =
            costedRecord(date, start, seconds / 3600, seconds / 60 % 60, seconds % 60, 0.1f);
        record.endtime = end;
        table.append(record);
        const int column = int(CsvExport::header().indexOf("End date"));
        QCOMPARE(column, int(CsvExport::header().indexOf("End time")) + 1);
        QCOMPARE(CsvExport::fields(table, 1).at(column), endDate);
    }

    // A text that starts like a formula is made text; figures the program writes stay figures.
    void formulaCells_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("note");
        QTest::addColumn<float>("cost");
        QTest::addColumn<QString>("row");
        QTest::newRow("equals") << "2000-04-03"
                                << "=HYPERLINK(\"http://x\",\"y\")" << 0.1f
                                << "1,2000-04-03,09:15:00,09:15:00,2000-04-03,0,0.1,GBP,"
                                   "\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\",,\r\n";
        QTest::newRow("plus") << "2000-04-03"
                              << "+1" << 0.1f
                              << "1,2000-04-03,09:15:00,09:15:00,2000-04-03,0,0.1,GBP,'+1,,\r\n";
        QTest::newRow("minus, and a negative cost stays a number")
            << "2000-04-03"
            << "-Peak Rate" << -0.5f
            << "1,2000-04-03,09:15:00,09:15:00,2000-04-03,0,-0.5,GBP,'-Peak Rate,,\r\n";
        QTest::newRow("at")
            << "2000-04-03"
            << "@SUM(A1)" << 0.1f
            << "1,2000-04-03,09:15:00,09:15:00,2000-04-03,0,0.1,GBP,'@SUM(A1),,\r\n";
        QTest::newRow("tab") << "2000-04-03"
                             << "\t=1" << 0.1f
                             << "1,2000-04-03,09:15:00,09:15:00,2000-04-03,0,0.1,GBP,'\t=1,,\r\n";
        QTest::newRow("carriage return")
            << "2000-04-03"
            << "\r=1" << 0.1f
            << "1,2000-04-03,09:15:00,09:15:00,2000-04-03,0,0.1,GBP,\"'\r=1\",,\r\n";
        QTest::newRow("a date from the log that cannot be read")
            << "=1+1"
            << "" << 0.1f << "1,'=1+1,09:15:00,09:15:00,,0,0.1,GBP,,,\r\n";
        QTest::newRow("inside the text is harmless")
            << "2000-04-03"
            << "a=b" << 0.1f << "1,2000-04-03,09:15:00,09:15:00,2000-04-03,0,0.1,GBP,a=b,,\r\n";
    }
    void formulaCells()
    {
        QFETCH(QString, date);
        QFETCH(QString, note);
        QFETCH(float, cost);
        QFETCH(QString, row);
        ConnectionTable table;
        table.append(costedRecord(date, "09:15:00", 0, 0, 0, cost, note));
        const QByteArray document = CsvExport::document(table);
        QCOMPARE(QString::fromUtf8(document.mid(document.indexOf("\r\n") + 2)), row);
    }

    // Every byte is pinned: a note with a comma, quotes, a line break and a £ is quoted as a CSV
    // reader expects, unknown byte counts are empty, rows end in CR LF.
    void fileBytes()
    {
        ConnectionTable table;
        ConnectionRecord first = costedRecord("2026-11-16", "21:05:00", 1, 5, 9, 0.4599f,
                                              "Called \"Bob\", then\nthe £ bank");
        first.endtime = "22:10:09";
        first.sentBytes = 12345;
        first.receivedBytes = 678901;
        table.append(first);
        table.append(costedRecord("2026-11-17", "08:00:00", 0, 0, 0, 0.05f, "Unknown End"));
        QTemporaryDir dir;
        const QString path = dir.filePath("calls.csv");
        QString error;
        QVERIFY2(CsvExport::save(path, table, &error), qPrintable(error));
        QCOMPARE(*TextFile::readBytes(path),
                 QByteArray("Number,Date,Start time,End time,End date,Length (seconds),Cost,"
                            "Currency,Other Info,Bytes sent,Bytes received\r\n"
                            "1,2026-11-16,21:05:00,22:10:09,2026-11-16,3909,0.4599,GBP,\"Called "
                            "\"\"Bob\"\", then\nthe \xC2\xA3 bank\",12345,678901\r\n"
                            "2,2026-11-17,08:00:00,08:00:00,2026-11-17,0,0.05,GBP,Unknown End,,"
                            "\r\n"));
    }
};

DIALTRAK_TEST(TstCsvExport)
#include "tst_csvexport.moc"
