#include "failingsync.h"
#include "foldersnapshot.h"
#include "fullfilesystem.h"
#include "log/connectiontable.h"
#include "log/extrainfofile.h"
#include "log/logloader.h"
#include "log/shutdownguard.h"
#include "modemlogbuilder.h"
#include "platform/progresssink.h"
#include "platform/textfile.h"
#include "report/textexport.h"
#include "sources/modemlog/modemlogcompactor.h"
#include "sources/modemlog/modemlogsource.h"
#include "testregistry.h"

#include <QDirIterator>
#include <QTest>

namespace
{
bool costed(ConnectionTable&, int)
{
    return true;
}

} // namespace

// A write onto a full disk, or onto a device that cannot sync what it was given, fails as a
// whole: the old file stays byte for byte, nothing partial is left, the failure is reported,
// and the modem log is not emptied on its strength.
class TstFullDisk : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        FullFileSystem disk;
        QVERIFY(disk.isValid());
        qInfo("full disk made by: %s", qPrintable(disk.way()));
        qInfo("failing device made by: fsync and fdatasync failing with EIO in this process");
    }
    void cleanup() { FailingSync::arm(false); }

    void everyWriteFailsAsAWhole_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("failingDevice"); // else a full disk
        for (const char* file : {"own log", "notes", "export", "compacted modem log"}) {
            QTest::addRow("%s, full disk", file) << file << false;
            QTest::addRow("%s, failing device", file) << file << true;
        }
    }
    void everyWriteFailsAsAWhole()
    {
        QFETCH(QString, file);
        QFETCH(bool, failingDevice);
        FullFileSystem disk;
        QVERIFY(disk.isValid());
        const QString logpath = disk.filePath("Standard Modem.log");
        const QString program = disk.filePath("program");
        ModemLogBuilder log;
        log.call("04-02-2000", "10:00:00", "10:10:00").call("04-02-2000", "11:00:00", "11:10:00");
        QVERIFY(TextFile::writeBytes(logpath, log.bytes()));

        // Everything written once while there was room.
        ConnectionTable table;
        SilentProgress progress;
        ModemLogSource source(logpath, program);
        LogLoader loader(table, costed, progress, source);
        QVERIFY(loader.lookinlog().ownLogWritten);
        table[1].otherinfo = "old note";
        const ExtraInfoFile notes(source.notesPath());
        QVERIFY(notes.savetheextrabits(table));
        const QString exported = disk.filePath("export.txt");
        QVERIFY(TextExport::savelinestofile(exported, table, false));
        // A call made since, then the disk fills up.
        log.call("04-03-2000", "09:00:00", "09:30:00");
        QVERIFY(TextFile::writeBytes(logpath, log.bytes()));
        const QMap<QString, QByteArray> before = folderSnapshot(disk.path(), ".filler");

        if (failingDevice)
            FailingSync::arm(true);
        else
            disk.fill();
        bool written = true;
        QString error;
        if (file == "own log") {
            const LoadReport report = loader.lookinlog();
            written = report.ownLogWritten;
            error = report.ownLogError;
            QCOMPARE(ShutdownGuard(loader, table).unload(report).outcome,
                     ShutdownGuard::Outcome::OwnLogNotWritten);
        } else if (file == "notes") {
            table[1].otherinfo = "new note";
            written = notes.savetheextrabits(table, &error);
        } else if (file == "export") {
            written = TextExport::savelinestofile(exported, table, false, &error);
        } else {
            written = ModemLogCompactor::cleanup(logpath, progress, &error);
        }
        disk.release();
        FailingSync::arm(false);
        QVERIFY(!written);
        QVERIFY(!error.isEmpty());
        QCOMPARE(folderSnapshot(disk.path(), ".filler"), before);
    }
};

DIALTRAK_TEST(TstFullDisk)
#include "tst_fulldisk.moc"
