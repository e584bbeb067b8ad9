#include "log/connectiontable.h"
#include "platform/textfile.h"
#include "report/csvexport.h"
#include "reporttable.h"
#include "testregistry.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace
{
const QString kNote = QStringLiteral("Called \"Bob\", then\nthe £ bank");

ConnectionTable noteTable()
{
    ConnectionTable table;
    ConnectionRecord first = costedRecord("2026-11-16", "21:05:00", 1, 5, 9, 0.4599f, kNote);
    first.endtime = "22:10:09";
    first.sentBytes = 12345;
    first.receivedBytes = 678901;
    table.append(first);
    ConnectionRecord second = costedRecord("2026-11-17", "08:00:00", 0, 0, 0, 0.05f, "Unknown End");
    table.append(second);
    return table;
}
} // namespace

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

    // A note with a comma, quotes and a line break is quoted; rows end in CR LF.
    void fileBytes()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("calls.csv");
        QString error;
        QVERIFY2(CsvExport::save(path, noteTable(), &error), qPrintable(error));
        QCOMPARE(*TextFile::readBytes(path),
                 QByteArray("Number,Date,Start time,End time,Length (seconds),Cost,Currency,"
                            "Other Info,Bytes sent,Bytes received\r\n"
                            "1,2026-11-16,21:05:00,22:10:09,3909,0.4599,GBP,\"Called \"\"Bob\"\", "
                            "then\nthe \xC2\xA3 bank\",12345,678901\r\n"
                            "2,2026-11-17,08:00:00,08:00:00,0,0.05,GBP,Unknown End,,\r\n"));
    }

    // What a script reads back is what the table holds, field for field.
    void pythonReadsEveryFieldBack()
    {
        const QString python = QStandardPaths::findExecutable("python3");
        QVERIFY2(!python.isEmpty(), "python3 is needed (scripts/setup installs it)");
        QTemporaryDir dir;
        const QString path = dir.filePath("calls.csv");
        const ConnectionTable table = noteTable();
        QVERIFY(CsvExport::save(path, table));
        QProcess process;
        process.start(python, {"-c",
                               "import csv, json, sys\n"
                               "with open(sys.argv[1], newline='', encoding='utf-8') as f:\n"
                               "    print(json.dumps(list(csv.reader(f))))\n",
                               path});
        QVERIFY(process.waitForFinished());
        QCOMPARE(process.exitCode(), 0);
        const QJsonArray rows = QJsonDocument::fromJson(process.readAllStandardOutput()).array();
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0].toVariant().toStringList(), CsvExport::header());
        for (int n = 1; n <= 2; ++n)
            QCOMPARE(rows[n].toVariant().toStringList(), CsvExport::fields(table, n));
        QCOMPARE(rows[1].toArray()[7].toString(), kNote);
    }
};

DIALTRAK_TEST(TstCsvExport)
#include "tst_csvexport.moc"
