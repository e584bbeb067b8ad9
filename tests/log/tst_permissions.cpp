#include "foldersnapshot.h"
#include "log/connectiontable.h"
#include "log/extrainfofile.h"
#include "log/logloader.h"
#include "log/logreset.h"
#include "log/shutdownguard.h"
#include "logfixture.h"
#include "modemlogbuilder.h"
#include "platform/progresssink.h"
#include "report/textexport.h"
#include "sources/modemlog/modemlogcompactor.h"
#include "testregistry.h"
#include "unprivilegedtest.h"

#include <QDirIterator>
#include <QTest>

namespace
{
bool costed(ConnectionTable&, int)
{
    return true;
}

bool setWritable(const QStringList& folders, bool writable)
{
    const QFile::Permissions permissions =
        QFile::ReadOwner | QFile::ExeOwner | (writable ? QFile::WriteOwner : QFile::Permissions());
    bool done = true;
    for (const QString& folder : folders)
        done = QFile::setPermissions(folder, permissions) && done;
    return done;
}
} // namespace

// Read-only folders and unreadable files. Root is never refused, so as root the class runs
// again as the user nobody and stands on that run's result.
class TstLogPermissions : public UnprivilegedTest
{
    Q_OBJECT

private Q_SLOTS:

    void readOnlyFolderChangesNoFile_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("load") << "load";
        QTest::newRow("start new log") << "start new log";
        QTest::newRow("compaction") << "compaction";
        QTest::newRow("notes") << "notes";
        QTest::newRow("export") << "export";
    }
    void readOnlyFolderChangesNoFile()
    {
        QFETCH(QString, action);
        LogFixture files;
        // Logged while in progress; the modem log now holds the completed call.
        files.writeOwnLog({LogFixture::record("2000-04-02", "10:05:00", "10:05:00")});
        files.writeModemLog(ModemLogBuilder().call("04-02-2000", "10:05:00", "11:00:12").bytes());
        QVERIFY(QDir().mkpath(files.programDirectory()));
        const ExtraInfoFile notes(files.modemLogSource()->notesPath());
        const QString exported = files.dir() + "/export.txt";
        LogFixture::write(notes.path(), "\"old note\"\r\n");
        LogFixture::write(exported, "old export\r\n");
        const QMap<QString, QByteArray> before = folderSnapshot(files.dir());
        ConnectionTable table;
        table.append(LogFixture::connection("2000-04-02", "10:05:00", "11:00:12", "new note"));
        SilentProgress progress;
        ModemLogSource source(files.logpath(), files.programDirectory());
        LogLoader loader(table, costed, progress, source);

        const QStringList folders{files.dir(), files.programDirectory()};
        QVERIFY(setWritable(folders, false));
        QString error;
        bool done = false;
        if (action == "load") {
            const LoadReport report = loader.lookinlog();
            done = report.ownLogWritten;
            error = report.ownLogError;
            QCOMPARE(LogFixture::rows(table), QStringList{"2000-04-02 10:05:00 11:00:12"});
            QCOMPARE(ShutdownGuard(loader, table).unload(report).outcome,
                     ShutdownGuard::Outcome::OwnLogNotWritten);
        } else if (action == "start new log") {
            done = LogReset::startnew(source, {}, &error);
        } else if (action == "compaction") {
            done = ModemLogCompactor::cleanup(files.logpath(), progress, &error);
        } else if (action == "notes") {
            done = notes.savetheextrabits(table, &error);
        } else {
            done = TextExport::savelinestofile(exported, table, false, &error);
        }
        setWritable(folders, true);
        QVERIFY(!done);
        QVERIFY(!error.isEmpty());
        QCOMPARE(folderSnapshot(files.dir()), before);
    }

    void unreadableOwnLogIsNeitherReplacedNorOverlaid()
    {
        LogFixture files;
        files.writeOwnLog({LogFixture::record("2000-04-01", "10:00:00", "10:10:00")});
        files.writeModemLog(ModemLogBuilder().call("04-02-2000", "11:00:00", "11:30:00").bytes());
        QDir().mkpath(files.programDirectory());
        const ExtraInfoFile notes(files.modemLogSource()->notesPath());
        LogFixture::write(notes.path(), "\"note of 2000-04-01\"\r\n");
        QVERIFY(QFile::setPermissions(files.ownLogPath(), QFile::WriteOwner));
        ConnectionTable table;
        SilentProgress progress;
        ModemLogSource source(files.logpath(), files.programDirectory());
        LogLoader loader(table, costed, progress, source);
        const LoadReport report = loader.lookinlog();
        QFile::setPermissions(files.ownLogPath(), QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(!report.ownLogWritten);
        QVERIFY(!report.ownLogError.isEmpty());
        QVERIFY(!report.notesUsable);
        QCOMPARE(table[1].otherinfo, QString());
        QCOMPARE(files.ownLog(),
                 QStringList{LogFixture::record("2000-04-01", "10:00:00", "10:10:00")});
    }
};

DIALTRAK_TEST(TstLogPermissions)
#include "tst_permissions.moc"
