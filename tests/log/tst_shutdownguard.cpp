#include "log/connectiontable.h"
#include "log/extrainfofile.h"
#include "log/logloader.h"
#include "log/logreset.h"
#include "log/shutdownguard.h"
#include "logfixture.h"
#include "modemlogbuilder.h"
#include "platform/progresssink.h"
#include "platform/textfile.h"
#include "report/textexport.h"
#include "sources/modemlog/modemlogsource.h"
#include "testregistry.h"

#include <QTest>

Q_DECLARE_METATYPE(ShutdownGuard::Outcome)

namespace
{
bool costed(ConnectionTable&, int)
{
    return true;
}
} // namespace

class TstShutdown : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void unload_data()
    {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<ShutdownGuard::Outcome>("outcome");
        QTest::newRow("finished call")
            << ModemLogBuilder().call("04-02-2000", "10:00:00", "10:10:00").bytes()
            << ShutdownGuard::Outcome::Emptied;
        QTest::newRow("in progress") << ModemLogBuilder()
                                            .call("04-02-2000", "10:00:00", "10:10:00")
                                            .call("04-02-2000", "21:04:06", "")
                                            .bytes()
                                     << ShutdownGuard::Outcome::InProgress;
        QTest::newRow("no connections") << QByteArray("04-02-2000 10:00:00.00 - Dialing.\r\n")
                                        << ShutdownGuard::Outcome::NoConnections;
    }
    void unload()
    {
        QFETCH(QByteArray, log);
        QFETCH(ShutdownGuard::Outcome, outcome);
        LogFixture files;
        files.writeModemLog(log);
        ConnectionTable table;
        SilentProgress progress;
        ModemLogSource source(files.logpath(), files.programDirectory());
        LogLoader loader(table, costed, progress, source);
        const LoadReport report = loader.lookinlog();
        const ShutdownGuard::Result result = ShutdownGuard(loader, table).unload(report);
        QVERIFY(!result.reloaded);
        QCOMPARE(result.outcome, outcome);
        QCOMPARE(files.modemLog(), outcome == ShutdownGuard::Outcome::Emptied ? QByteArray() : log);
        QVERIFY(QFile::exists(files.logpath()));
    }

    void grownModemLogIsLoadedFirst()
    {
        LogFixture files;
        ModemLogBuilder builder;
        builder.call("04-02-2000", "10:00:00", "10:10:00");
        files.writeModemLog(builder.bytes());
        ConnectionTable table;
        SilentProgress progress;
        ModemLogSource source(files.logpath(), files.programDirectory());
        LogLoader loader(table, costed, progress, source);
        const LoadReport report = loader.lookinlog();

        // A call made after the load, while the window was open.
        builder.call("04-02-2000", "20:00:00", "20:30:00");
        files.writeModemLog(builder.bytes());
        const ShutdownGuard::Result result = ShutdownGuard(loader, table).unload(report);
        QVERIFY(result.reloaded);
        QCOMPARE(result.outcome, ShutdownGuard::Outcome::Emptied);
        QCOMPARE(files.modemLog(), QByteArray());
        QCOMPARE(files.ownLog(),
                 (QStringList{LogFixture::record("2000-04-02", "10:00:00", "10:10:00"),
                              LogFixture::record("2000-04-02", "20:00:00", "20:30:00")}));
    }

    void decide_data()
    {
        QTest::addColumn<bool>("opened");
        QTest::addColumn<bool>("overflow");
        QTest::addColumn<bool>("written");
        QTest::addColumn<ShutdownGuard::Outcome>("outcome");
        QTest::newRow("safe") << true << false << true << ShutdownGuard::Outcome::Emptied;
        QTest::newRow("overflow") << true << true << true << ShutdownGuard::Outcome::Overflow;
        QTest::newRow("own log not written")
            << true << false << false << ShutdownGuard::Outcome::OwnLogNotWritten;
        QTest::newRow("not loaded") << false << false << true << ShutdownGuard::Outcome::NotLoaded;
    }
    void decide()
    {
        QFETCH(bool, opened);
        QFETCH(bool, overflow);
        QFETCH(bool, written);
        QFETCH(ShutdownGuard::Outcome, outcome);
        ConnectionTable table;
        table.append(LogFixture::connection("2000-04-02", "10:00:00", "10:10:00"));
        LoadReport report;
        report.modemLogOpened = opened;
        report.overflow = overflow;
        report.ownLogWritten = written;
        QCOMPARE(ShutdownGuard::decide(table, report), outcome);
    }

    void unreadableOwnLogKeepsModemLog()
    {
        LogFixture files;
        QVERIFY(QDir().mkpath(files.ownLogPath())); // a folder in its place
        const QByteArray log = ModemLogBuilder().call("04-02-2000", "10:00:00", "10:10:00").bytes();
        files.writeModemLog(log);
        ConnectionTable table;
        SilentProgress progress;
        ModemLogSource source(files.logpath(), files.programDirectory());
        LogLoader loader(table, costed, progress, source);
        const LoadReport report = loader.lookinlog();
        const ShutdownGuard::Result result = ShutdownGuard(loader, table).unload(report);
        QCOMPARE(result.outcome, ShutdownGuard::Outcome::OwnLogNotWritten);
        QCOMPARE(files.modemLog(), log);
    }

    void emptyingChecksTheSizeFirst()
    {
        // A call the driver appends after the last read must not be erased with the rest.
        LogFixture files;
        const QByteArray log = ModemLogBuilder().call("04-02-2000", "10:00:00", "10:10:00").bytes();
        const QByteArray grown =
            log + ModemLogBuilder().call("04-02-2000", "20:00:00", "20:30:00").bytes();
        files.writeModemLog(grown);
        QCOMPARE(ModemLogSource::empty(files.logpath(), log.size()),
                 ConnectionSource::Emptying::Changed);
        QCOMPARE(files.modemLog(), grown);
        QCOMPARE(ModemLogSource::empty(files.logpath(), grown.size()),
                 ConnectionSource::Emptying::Emptied);
        QCOMPARE(files.modemLog(), QByteArray());
    }

    void startNewLogKeepsWhatTheTableCouldNotHold()
    {
        // The advice for a full table is: save as text, then start a new log. Between the
        // export and the new log every connection must still be somewhere, once.
        LogFixture files;
        const QDate first(1999, 1, 1);
        QStringList own;
        for (int i = 0; i < 1005; ++i)
            own << LogFixture::record(first.addDays(i).toString(Qt::ISODate), "10:00:00",
                                      "10:30:00");
        files.writeOwnLog(own);
        files.writeModemLog({});
        ConnectionTable table;
        SilentProgress progress;
        ModemLogSource source(files.logpath(), files.programDirectory());
        LogLoader loader(table, costed, progress, source);
        const LoadReport report = loader.lookinlog();
        const QString exported = files.dir() + "/export.txt";
        QVERIFY(TextExport::savelinestofile(exported, table, false));
        QVERIFY(LogReset::startnew(source, report));
        loader.lookinlog();

        const QStringList exportedLines = *TextFile::readLines(exported);
        QCOMPARE(exportedLines.size(), 1000 + 3); // the lines, an empty one and two totals
        QVERIFY(exportedLines.at(999).startsWith("1000: "));
        QStringList rest;
        for (int i = 1000; i < 1005; ++i)
            rest << first.addDays(i).toString(Qt::ISODate) + " 10:00:00 10:30:00";
        QCOMPARE(LogFixture::rows(table), rest);
    }

    void startnew()
    {
        LogFixture files;
        files.writeModemLog(ModemLogBuilder().call("04-02-2000", "10:00:00", "10:10:00").bytes());
        files.writeOwnLog({LogFixture::record("2000-04-01", "10:00:00", "10:10:00")});
        const QString extra = ExtraInfoFile::pathFor(files.logpath(), files.programDirectory());
        QDir().mkpath(files.programDirectory());
        LogFixture::write(extra, "\"text\"\r\n");
        QVERIFY(LogReset::startnew(*files.modemLogSource(), {}));
        QCOMPARE(files.modemLog(), QByteArray());
        QVERIFY(!QFile::exists(files.ownLogPath()));
        QVERIFY(!QFile::exists(extra));

        // Nothing left to delete: still a fresh log.
        QVERIFY(LogReset::startnew(*files.modemLogSource(), {}));
        QVERIFY(QFile::exists(files.logpath()));
    }

    void startnewThroughALink()
    {
        // The driver goes on writing the link's target: that file starts again, the link stays.
        LogFixture files;
        const QString target = files.dir() + "/Standard Modem.log.real";
        LogFixture::write(target,
                          ModemLogBuilder().call("04-02-2000", "10:00:00", "10:10:00").bytes());
        QVERIFY(QFile::link(target, files.logpath()));
        QVERIFY(LogReset::startnew(*files.modemLogSource(), {}));
        QVERIFY(QFileInfo(files.logpath()).isSymLink());
        QCOMPARE(*TextFile::readBytes(target), QByteArray());
    }

    void startnewTakesTheNotesFirst_data()
    {
        QTest::addColumn<QString>("inTheWay");
        QTest::newRow("notes that cannot be deleted: nothing else is touched") << "notes";
        QTest::newRow("own log that cannot be deleted: the notes come back") << "own log";
    }
    void startnewTakesTheNotesFirst()
    {
        // The notes go before anything else, so an interruption at any later point leaves no
        // note for the next calls; a failure puts them back beside the calls they belong to.
        QFETCH(QString, inTheWay);
        LogFixture files;
        const QByteArray modemLog =
            ModemLogBuilder().call("04-02-2000", "10:00:00", "10:10:00").bytes();
        files.writeModemLog(modemLog);
        const ExtraInfoFile notes(
            ExtraInfoFile::pathFor(files.logpath(), files.programDirectory()));
        QVERIFY(QDir().mkpath(files.programDirectory()));
        LogFixture::write(notes.path(), "\"text\"\r\n");
        // A folder with something in it can be neither deleted nor replaced as a file can.
        QVERIFY(QDir().mkpath(
            (inTheWay == "notes" ? notes.path() + ".deleted" : files.ownLogPath()) + "/x"));
        QString error;
        QVERIFY(!LogReset::startnew(*files.modemLogSource(), {}, &error));
        QVERIFY(error.contains(inTheWay == "notes" ? notes.path() : files.ownLogPath()));
        QCOMPARE(*TextFile::readBytes(notes.path()), QByteArray("\"text\"\r\n"));
        if (inTheWay == "notes")
            QCOMPARE(files.modemLog(), modemLog);
    }
};

DIALTRAK_TEST(TstShutdown)
#include "tst_shutdownguard.moc"
