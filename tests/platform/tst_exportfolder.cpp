#include "platform/exportfolder.h"
#include "platform/settingsstore.h"
#include "testregistry.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TstExportFolder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensWhereTheLastExportWent_data()
    {
        QTest::addColumn<QString>("remembered"); // below the temporary folder; empty for none
        QTest::addColumn<bool>("removed");
        QTest::addColumn<QString>("start");
        QTest::newRow("never exported") << "" << false << "home";
        QTest::newRow("the last export's folder") << "exports" << false << "exports";
        QTest::newRow("that folder since removed") << "exports" << true << "home";
    }
    void opensWhereTheLastExportWent()
    {
        QFETCH(QString, remembered);
        QFETCH(bool, removed);
        QFETCH(QString, start);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("exports"));
        SettingsStore store(dir.filePath("Modemtally.conf"));
        ExportFolder folder(store);
        if (!remembered.isEmpty())
            QVERIFY(folder.remember(dir.filePath(remembered + "/calls.csv")));
        if (removed)
            QVERIFY(QDir(dir.filePath("exports")).removeRecursively());
        QCOMPARE(folder.start(), start == "home" ? QDir::homePath() : dir.filePath(start));
        // A later run reads it from the settings.
        QCOMPARE(ExportFolder(store).start(), folder.start());
    }

    // Only a change is worth telling the user about when the settings cannot be written.
    void rememberingTheSameFolderChangesNothing()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.filePath("Modemtally.conf"));
        ExportFolder folder(store);
        QVERIFY(folder.remember(dir.filePath("a.csv")));
        QVERIFY(!folder.remember(dir.filePath("b.txt")));
        QVERIFY(folder.remember(QDir::homePath() + "/c.csv"));
    }
};

DIALTRAK_TEST(TstExportFolder)
#include "tst_exportfolder.moc"
