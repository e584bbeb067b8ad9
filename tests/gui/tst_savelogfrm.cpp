#include "dialogs/directorylist.h"
#include "dialogs/drivelist.h"
#include "dialogs/savelogfrm.h"
#include "log/connectiontable.h"
#include "platform/textfile.h"
#include "report/textexport.h"
#include "scriptedprompter.h"
#include "testregistry.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <memory>

namespace
{

// Two evening connections, 3 and 28 April 2000.
ConnectionTable twoConnections()
{
    ConnectionTable table;
    ConnectionRecord first;
    first.conndate = QStringLiteral("2000-04-03");
    first.starttime = QStringLiteral("21:05:00");
    first.endtime = QStringLiteral("22:10:09");
    first.durhours = 1;
    first.durmins = 5;
    first.dursecs = 9;
    first.cost = 0.45f;
    ConnectionRecord second = first;
    second.conndate = QStringLiteral("2000-04-28");
    table.append(first);
    table.append(second);
    return table;
}

struct Fixture {
    QTemporaryDir target;
    ConnectionTable table = twoConnections();
    ScriptedPrompter prompter;
    std::unique_ptr<savelogfrm> window;

    bool open(bool twelveHour = false)
    {
        if (!target.isValid())
            return false;
        window = std::make_unique<savelogfrm>(table, twelveHour, prompter, target.path());
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }
    template <typename T> T* control(const char* name) const
    {
        return window->findChild<T*>(QLatin1String(name));
    }
    void click(const char* button)
    {
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
    }
    QStringList written() const
    {
        return QDir(target.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }
};

const QString ExportName = QStringLiteral("Connections from Mon 03 Apr 00 to Fri 28 Apr 00.txt");

} // namespace

class TstSavelogfrm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void opening()
    {
        Fixture f;
        QVERIFY(f.open());
        QCOMPARE(f.window->windowTitle(),
                 QStringLiteral("Save Connection Information as Text File"));
        QCOMPARE(
            f.control<QLabel>("Label1")->text(),
            QStringLiteral("Choose a directory to save the current connection information to."));
        QCOMPARE(f.control<QLabel>("Label2")->text(),
                 QStringLiteral("Data will be saved in the file called -"));
        QLabel* text1 = f.control<QLabel>("text1");
        QCOMPARE(text1->text(), ExportName);
        QVERIFY(text1->font().bold());
        QCOMPARE(f.control<QPushButton>("cmdOK")->text(), QStringLiteral("OK"));
        QCOMPARE(f.control<QPushButton>("Command2")->text(), QStringLiteral("Cancel"));
        QCOMPARE(f.control<DriveList>("Drive1")->drive(), QDir::rootPath());
        QCOMPARE(f.control<DirectoryList>("Dir1")->path(), f.target.path());
        QCOMPARE(f.window->exportPath(), f.target.filePath(ExportName));
    }

    void theHighlightedFolderReceivesTheFile()
    {
        // A single click is all users do to choose a folder.
        Fixture f;
        QVERIFY(QDir(f.target.path()).mkpath("Exports"));
        QVERIFY(f.open());
        DirectoryList* dirs = f.control<DirectoryList>("Dir1");
        const QList<QTreeWidgetItem*> found =
            dirs->findItems("Exports", Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(found.size(), 1);
        QTest::mouseClick(dirs->viewport(), Qt::LeftButton, {},
                          dirs->visualItemRect(found.first()).center());
        const QString folder = f.target.filePath("Exports");
        QCOMPARE(f.control<QLabel>("folder")->text(),
                 "in the folder " + QDir::toNativeSeparators(folder));
        f.click("cmdOK");
        QVERIFY(QFile::exists(QDir(folder).filePath(ExportName)));
    }

    void ok_data()
    {
        QTest::addColumn<bool>("twelveHour");
        QTest::addColumn<QString>("startTime");
        QTest::addColumn<QString>("otherClock");
        QTest::newRow("24-hour") << false << "21:05"
                                 << "09:05";
        QTest::newRow("12-hour") << true << "09:05 PM"
                                 << "21:05";
    }

    void ok()
    {
        QFETCH(bool, twelveHour);
        QFETCH(QString, startTime);
        QFETCH(QString, otherClock);
        Fixture f;
        QVERIFY(f.open(twelveHour));
        f.click("cmdOK");

        QCOMPARE(f.prompter.texts(),
                 QStringList{QStringLiteral("Connections were successfully saved to a text file")});
        QCOMPARE(f.prompter.shown.first().buttons, Prompter::Buttons::Ok);
        QVERIFY(!f.window->isVisible());
        QVERIFY(f.window->saved());
        const std::optional<QStringList> lines = TextFile::readLines(f.target.filePath(ExportName));
        QVERIFY(lines);
        QCOMPARE(lines->size(), 5);
        // The locale's own designator, whatever its case.
        QVERIFY2(lines->at(0).contains(startTime, Qt::CaseInsensitive), qPrintable(lines->at(0)));
        QVERIFY(!lines->at(0).contains(otherClock));
        QVERIFY(lines->at(1).startsWith(QStringLiteral("002:")));
        QVERIFY(lines->at(2).isEmpty());
        QCOMPARE(lines->at(3),
                 QStringLiteral("Total time for the above connections = 2 hrs 10 mins 18 secs"));
    }

    void okInChosenDirectory()
    {
        Fixture f;
        QVERIFY(QDir(f.target.path()).mkpath(QStringLiteral("exports")));
        QVERIFY(f.open());
        auto* dir1 = f.control<DirectoryList>("Dir1");
        const QList<QTreeWidgetItem*> found =
            dir1->findItems(QStringLiteral("exports"), Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(found.size(), 1);
        const QPoint centre = dir1->visualItemRect(found.first()).center();
        QTest::mouseClick(dir1->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(dir1->viewport(), Qt::LeftButton, {}, centre);
        f.click("cmdOK");
        QVERIFY(QFileInfo::exists(f.target.filePath(QStringLiteral("exports/") + ExportName)));
        QCOMPARE(f.written(), QStringList{QStringLiteral("exports")});
    }

    void cancel()
    {
        Fixture f;
        QVERIFY(f.open());
        f.click("Command2");
        QVERIFY(!f.window->isVisible());
        QCOMPARE(f.window->result(), int(QDialog::Rejected));
        QVERIFY(f.written().isEmpty());
        QVERIFY(f.prompter.shown.isEmpty());
    }

    void failure_data()
    {
        QTest::addColumn<QString>("obstacle");
        // A directory of the export's name stands where the file would go.
        QTest::newRow("name taken") << "taken";
        QTest::newRow("directory removed") << "removed";
        QTest::newRow("date unreadable") << "date";
    }

    void failure()
    {
        QFETCH(QString, obstacle);
        Fixture f;
        if (obstacle == QLatin1String("date"))
            f.table[2].conndate = QStringLiteral("not a date");
        QVERIFY(QDir(f.target.path()).mkpath(QStringLiteral("out")));
        f.window = std::make_unique<savelogfrm>(f.table, false, f.prompter,
                                                f.target.filePath(QStringLiteral("out")));
        if (obstacle == QLatin1String("taken"))
            QVERIFY(QDir(f.target.path()).mkpath(QStringLiteral("out/") + ExportName));
        if (obstacle == QLatin1String("removed"))
            QVERIFY(QDir(f.target.filePath(QStringLiteral("out"))).removeRecursively());
        f.window->show();
        f.click("cmdOK");

        QCOMPARE(
            f.prompter.texts(),
            QStringList{QStringLiteral("Connections could not be saved, an error has occurred.")});
        QVERIFY(!f.window->isVisible());
        QVERIFY(!f.window->saved());
        const QFileInfo result(f.target.filePath(QStringLiteral("out/") + ExportName));
        QVERIFY(!result.isFile());
        const QStringList left =
            QDir(f.target.filePath(QStringLiteral("out"))).entryList(QDir::Files | QDir::Hidden);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char(','))));
    }
};

DIALTRAK_TEST(TstSavelogfrm)
#include "tst_savelogfrm.moc"
