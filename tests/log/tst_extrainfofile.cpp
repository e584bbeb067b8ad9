#include "log/connectiontable.h"
#include "log/extrainfofile.h"
#include "logfixture.h"
#include "testregistry.h"

#include <QTest>

class TstExtraInfo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pathFor_data()
    {
        QTest::addColumn<QString>("logpath");
        QTest::addColumn<QString>("path");
        QTest::newRow("slash") << "/home/u/Standard Modem.log"
                               << "/prog/Extra information for Standard Modem.dtk";
        QTest::newRow("backslash") << "C:\\WINDOWS\\Standard Modem.log"
                                   << "/prog/Extra information for Standard Modem.dtk";
        QTest::newRow("no folder") << "ModemLog_PCI.txt"
                                   << "/prog/Extra information for ModemLog_PCI.dtk";
        // Only an extension is taken off: a short name or one without a dot is kept whole.
        QTest::newRow("no extension") << "/home/u/sub/x"
                                      << "/prog/Extra information for x.dtk";
        QTest::newRow("short name") << "/home/u/a.lo"
                                    << "/prog/Extra information for a.lo.dtk";
    }
    void pathFor()
    {
        QFETCH(QString, logpath);
        QFETCH(QString, path);
        QCOMPARE(ExtraInfoFile::pathFor(logpath, "/prog"), path);
    }

    void saveAndRead_data()
    {
        QTest::addColumn<QStringList>("otherinfo");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("readBack");
        // "ERROR" is what costing said, not the user: saved, it would outlive a mended tariff.
        QTest::newRow("markers saved empty")
            << QStringList{"Peak Rate", "Reconnection", "Unknown End", "ERROR", ""}
            << QByteArray("\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n")
            << QStringList{"", "", "", "", ""};
        // Two lines in the file would move every later note onto the next connection.
        QTest::newRow("line breaks become spaces")
            << QStringList{"first\nsecond", "a\r\nb\rc", "next"}
            << QByteArray("\"first second\"\r\n\"a b c\"\r\n\"next\"\r\n")
            << QStringList{"first second", "a b c", "next"};
        QTest::newRow("user text kept")
            << QStringList{"Called the bank", "Peak Rate"}
            << QByteArray("\"Called the bank\"\r\n\"\"\r\n") << QStringList{"Called the bank", ""};
        QTest::newRow("quotes doubled") << QStringList{"the \"big\" download, again"}
                                        << QByteArray("\"the \"\"big\"\" download, again\"\r\n")
                                        << QStringList{"the \"big\" download, again"};
    }
    void saveAndRead()
    {
        QFETCH(QStringList, otherinfo);
        QFETCH(QByteArray, file);
        QFETCH(QStringList, readBack);
        LogFixture files;
        ConnectionTable table;
        for (const QString& text : otherinfo) {
            ConnectionRecord record;
            record.otherinfo = text;
            table.append(record);
        }
        const ExtraInfoFile extra(
            ExtraInfoFile::pathFor(files.logpath(), files.programDirectory()));
        QVERIFY(!QDir(files.programDirectory()).exists());
        QVERIFY(extra.savetheextrabits(table));
        QCOMPARE(*TextFile::readBytes(extra.path()), file);
        QCOMPARE(*extra.read(), readBack);
    }

    void userTextOverMarker()
    {
        LogFixture files;
        QDir().mkpath(files.programDirectory());
        const ExtraInfoFile extra(
            ExtraInfoFile::pathFor(files.logpath(), files.programDirectory()));
        // An older version stored costing's "ERROR" as a note: it goes at the next save.
        LogFixture::write(extra.path(), "\"ERROR\"\r\n\"my text\"\r\n\"\"\r\n\"surplus\"\r\n");
        ConnectionTable table;
        table.append(LogFixture::connection("2000-04-01", "10:00:00", "10:10:00", "Peak Rate"));
        table.append(LogFixture::connection("2000-04-01", "11:00:00", "11:10:00", "Peak Rate"));
        table.append(LogFixture::connection("2000-04-01", "12:00:00", "12:10:00", "Peak Rate"));
        QVERIFY(extra.gettheextrabits(table));
        QCOMPARE(table[1].otherinfo, QString("ERROR"));
        QCOMPARE(table[2].otherinfo, QString("my text"));
        QCOMPARE(table[4].otherinfo, QString("surplus")); // above the count: no view reads it
        // A note the table shows no longer (its costing failed) is not erased by a save.
        table[2].otherinfo = QStringLiteral("ERROR");
        table[3].otherinfo = QStringLiteral("a new note");
        QVERIFY(extra.savetheextrabits(table));
        QCOMPARE(*extra.read(), (QStringList{"", "my text", "a new note", "surplus"}));
    }

    void readsWhatOlderVersionsWrote_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("a note spanning lines is one note")
            << QByteArray("\"one\"\r\n\"line a\r\nline b\"\r\n\"three\"\r\n")
            << QStringList{"one", "line a line b", "three"};
        QTest::newRow("an unclosed quote takes no other note")
            << QByteArray("\"abc\r\n\"def\"\r\n") << QStringList{"abc", "def"};
        QTest::newRow("windows-1252") << QByteArray("\"caf\xe9\"\r\n") << QStringList{"caf\u00e9"};
    }
    void readsWhatOlderVersionsWrote()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, texts);
        LogFixture files;
        QDir().mkpath(files.programDirectory());
        const ExtraInfoFile extra(
            ExtraInfoFile::pathFor(files.logpath(), files.programDirectory()));
        LogFixture::write(extra.path(), file);
        QCOMPARE(*extra.read(), texts);
    }

    void saveNeverShortensTheFile()
    {
        // A table that holds fewer connections than the file has notes (an own log that could
        // not be read, say) must not take the later notes with it.
        LogFixture files;
        QDir().mkpath(files.programDirectory());
        const ExtraInfoFile extra(
            ExtraInfoFile::pathFor(files.logpath(), files.programDirectory()));
        LogFixture::write(extra.path(), "\"a\"\r\n\"b\"\r\n\"c\"\r\n\"d\"\r\n");
        ConnectionTable table;
        table.append(LogFixture::connection("2000-04-01", "10:00:00", "10:10:00", "new a"));
        table.append(LogFixture::connection("2000-04-01", "11:00:00", "11:10:00", "Peak Rate"));
        QVERIFY(extra.savetheextrabits(table));
        // The note under the marker was not shown, so it is not erased either.
        QCOMPARE(*extra.read(), (QStringList{"new a", "b", "c", "d"}));
    }

    void missingFileKeepsTable()
    {
        LogFixture files;
        ConnectionTable table;
        table.append(LogFixture::connection("2000-04-01", "10:00:00", "10:10:00", "Peak Rate"));
        QVERIFY(!ExtraInfoFile(files.modemLogSource()->notesPath()).gettheextrabits(table));
        QCOMPARE(table[1].otherinfo, QString("Peak Rate"));
    }

    void linesBeyondCapacityNotStored()
    {
        LogFixture files;
        QDir().mkpath(files.programDirectory());
        const ExtraInfoFile extra(
            ExtraInfoFile::pathFor(files.logpath(), files.programDirectory()));
        QByteArray bytes;
        for (int k = 1; k <= ConnectionTable::Capacity + 5; ++k)
            bytes += "\"line " + QByteArray::number(k) + "\"\r\n";
        LogFixture::write(extra.path(), bytes);
        QCOMPARE(extra.read()->size(), ConnectionTable::Capacity);
        ConnectionTable table;
        QVERIFY(extra.gettheextrabits(table)); // must not write past slot 1000
        QCOMPARE(table[ConnectionTable::Capacity].otherinfo, QString("line 1000"));
    }
};

DIALTRAK_TEST(TstExtraInfo)
#include "tst_extrainfofile.moc"
