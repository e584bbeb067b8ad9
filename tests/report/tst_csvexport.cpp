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
                 QByteArray("Number,Date,Start time,End time,Length (seconds),Cost,Currency,"
                            "Other Info,Bytes sent,Bytes received\r\n"
                            "1,2026-11-16,21:05:00,22:10:09,3909,0.4599,GBP,\"Called \"\"Bob\"\", "
                            "then\nthe \xC2\xA3 bank\",12345,678901\r\n"
                            "2,2026-11-17,08:00:00,08:00:00,0,0.05,GBP,Unknown End,,\r\n"));
    }
};

DIALTRAK_TEST(TstCsvExport)
#include "tst_csvexport.moc"
