#include "log/connectiontable.h"
#include "platform/textfile.h"
#include "report/textexport.h"
#include "reporttable.h"
#include "testregistry.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

namespace
{

ConnectionTable smallTable()
{
    ConnectionTable table;
    table.append(costedRecord("2000-04-03", "21:05:00", 1, 5, 9, 0.45f, "Peak Rate"));
    table.append(costedRecord("2000-04-03", "23:10:30", 0, 2, 0, 0.02f));
    table.append(costedRecord("2000-04-28", "08:00:00", 2, 0, 56, 1.2f, "Reconnection"));
    return table;
}

} // namespace

class TstTextExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fileBytes()
    {
        QTemporaryDir dir;
        const ConnectionTable table = smallTable();
        const QString path = dir.filePath(TextExport::fileName(table));
        QString error;
        QVERIFY2(TextExport::savelinestofile(path, table, false, &error), qPrintable(error));
        const QByteArray expected =
            "001: Connected on Mon 03 Apr 00, 21:05 for 1 hrs 05 mins 09 secs costing \xC2\xA3"
            "0.45 -Peak Rate\r\n"
            "002: Connected on Mon 03 Apr 00, 23:10 for 0 hrs 02 mins 00 secs costing \xC2\xA3"
            "0.02 -\r\n"
            "003: Connected on Fri 28 Apr 00, 08:00 for 2 hrs 00 mins 56 secs costing \xC2\xA3"
            "1.20 -Reconnection\r\n"
            "\r\n"
            "Total time for the above connections = 3 hrs 8 mins 5 secs\r\n"
            "Total cost for the above connections = \xC2\xA3"
            "1.67\r\n";
        QCOMPARE(*TextFile::readBytes(path), expected);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 QStringList{"Connections from Mon 03 Apr 00 to Fri 28 Apr 00.txt"});
    }

    void fileName_data()
    {
        QTest::addColumn<QStringList>("dates");
        QTest::addColumn<QString>("name");
        QTest::newRow("first and last") << QStringList{"2000-04-03", "2000-04-15", "2000-04-28"}
                                        << "Connections from Mon 03 Apr 00 to Fri 28 Apr 00.txt";
        QTest::newRow("one connection gives its date twice")
            << QStringList{"1999-12-31"} << "Connections from Fri 31 Dec 99 to Fri 31 Dec 99.txt";
        QTest::newRow("older own log date forms")
            << QStringList{"03/04/00", "28 04 2000"}
            << "Connections from Mon 03 Apr 00 to Fri 28 Apr 00.txt";
        QTest::newRow("no connections") << QStringList{} << QString();
        QTest::newRow("unreadable last date")
            << QStringList{"2000-04-03", "not a date"} << QString();
    }
    void fileName()
    {
        QFETCH(QStringList, dates);
        QFETCH(QString, name);
        ConnectionTable table;
        for (const QString& date : dates)
            table.append(costedRecord(date, "10:00:00", 0, 1, 0, 0.1f));
        QCOMPARE(TextExport::fileName(table), name);
    }

    void totalsAndClock_data()
    {
        QTest::addColumn<bool>("twelveHour");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("24-hour") << false
                                 << "001: Connected on Mon 03 Apr 00, 21:05 for 1 hrs 05 mins "
                                    "09 secs costing £0.45 -Peak Rate";
        QTest::newRow("12-hour")
            << true
            << QString("001: Connected on Mon 03 Apr 00, 09:05 %1 for 1 hrs 05 mins "
                       "09 secs costing £0.45 -Peak Rate")
                   .arg(QLocale().pmText());
    }
    void totalsAndClock()
    {
        QFETCH(bool, twelveHour);
        QFETCH(QString, firstLine);
        const std::optional<QStringList> lines = TextExport::lines(smallTable(), twelveHour);
        QVERIFY(lines.has_value());
        QCOMPARE(lines->size(), 6);
        QCOMPARE(lines->first(), firstLine);
        QVERIFY(lines->at(2).contains(twelveHour
                                          ? QString(", 08:00 %1 for ").arg(QLocale().amText())
                                          : QString(", 08:00 for ")));
    }

    void secondSaveReplacesTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("export.txt");
        ConnectionTable table = smallTable();
        QVERIFY(TextExport::savelinestofile(path, table, false));
        table.append(costedRecord("2000-04-29", "10:00:00", 0, 0, 5, 0.01f));
        QVERIFY(TextExport::savelinestofile(path, table, false));
        const std::optional<QStringList> lines = TextFile::readLines(path);
        QVERIFY(lines.has_value());
        QCOMPARE(lines->size(), 7);
        QVERIFY(lines->at(3).startsWith("004: Connected on Sat 29 Apr 00"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"export.txt"});
    }

    void failedWriteLeavesNoFile_data()
    {
        QTest::addColumn<QString>("relativePath");
        QTest::newRow("missing directory") << "no such folder/export.txt";
        QTest::newRow("a directory stands at the path") << "folder";
    }
    void failedWriteLeavesNoFile()
    {
        QFETCH(QString, relativePath);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("folder"));
        QString error;
        QVERIFY(
            !TextExport::savelinestofile(dir.filePath(relativePath), smallTable(), false, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{});
    }

    void failedWriteLeavesTheOldFileUndamaged()
    {
        // A name so long that the temporary file beside it cannot be created: the write fails
        // even for root, with the old file in place.
        QTemporaryDir dir;
        const QString path = dir.filePath(QString(250, 'x') + ".txt");
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old contents\r\n");
        }
        QVERIFY(!TextExport::savelinestofile(path, smallTable(), false));
        QCOMPARE(*TextFile::readBytes(path), QByteArray("old contents\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
    }

    void unreadableConnectionFailsTheExport()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("export.txt");
        QVERIFY(TextFile::writeLines(path, {"earlier export"}));
        ConnectionTable table = smallTable();
        table[2].starttime = "bad";
        QString error;
        QVERIFY(!TextExport::savelinestofile(path, table, false, &error));
        QVERIFY2(error.contains("002"), qPrintable(error));
        QCOMPARE(*TextFile::readLines(path), QStringList{"earlier export"});
    }
};

DIALTRAK_TEST(TstTextExport)

#include "tst_textexport.moc"
