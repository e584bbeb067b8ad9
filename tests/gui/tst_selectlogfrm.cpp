#include "dialogs/directorylist.h"
#include "dialogs/drivelist.h"
#include "dialogs/filelist.h"
#include "dialogs/selectlogfrm.h"
#include "fakelauncher.h"
#include "platform/settingsstore.h"
#include "testregistry.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace
{

const QStringList LogFiles{QStringLiteral("Standard Modem.log"), QStringLiteral("Setup.log"),
                           QStringLiteral("ModemLog_X.txt"), QStringLiteral("notes.txt"),
                           QStringLiteral("modem.ini")};

void touch(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("x\r\n");
}

// HOME for one window's opening; the process's own temporary home comes back afterwards.
class HomeOverride
{
public:
    explicit HomeOverride(const QString& home) : m_old(qgetenv("HOME"))
    {
        qputenv("HOME", QFile::encodeName(home));
    }
    ~HomeOverride() { qputenv("HOME", m_old); }

private:
    QByteArray m_old;
};

struct Call {
    QString path;
    bool visible = false;
};

// One selection window over a directory of sample files, with its collaborators.
struct Fixture {
    QTemporaryDir logs;
    QTemporaryDir config;
    std::unique_ptr<SettingsStore> settings;
    FakeShortcutMaker shortcuts;
    std::unique_ptr<Selectlogfrm> window;
    QList<Call> calls;

    bool open(const QStringList& files = LogFiles,
              const QString& storedPath = QStringLiteral("/old/ModemLog.txt"))
    {
        if (!logs.isValid() || !config.isValid())
            return false;
        for (const QString& name : files)
            touch(logs.filePath(name));
        settings = std::make_unique<SettingsStore>(config.filePath(QStringLiteral("store.ini")));
        settings->write(QStringLiteral("Logfile"), QStringLiteral("Path"), storedPath);
        {
            const HomeOverride home(logs.path());
            window = std::make_unique<Selectlogfrm>(*settings, shortcuts);
        }
        window->setReloadHandler([this](const SourceChoice& choice) {
            calls.append({choice.path, window->isOpen()});
        });
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }

    template <typename T> T* control(const char* name) const
    {
        return window->findChild<T*>(QLatin1String(name));
    }
    QString storedPath() const
    {
        return settings->read(QStringLiteral("Logfile"), QStringLiteral("Path"), QString());
    }
    // Clicks a file of File1; false when it is not listed.
    bool clickFile(const QString& name, bool doubleClick = false)
    {
        FileList* files = control<FileList>("File1");
        const QList<QListWidgetItem*> found = files->findItems(name, Qt::MatchExactly);
        if (found.size() != 1)
            return false;
        const QPoint centre = files->visualItemRect(found.first()).center();
        // A double-click arrives after the press and release of its first click.
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, centre);
        if (doubleClick)
            QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, centre);
        return true;
    }
    void click(const char* button)
    {
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
    }
};

QTreeWidgetItem* directoryItem(DirectoryList* list, const QString& text)
{
    const QList<QTreeWidgetItem*> found =
        list->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.size() == 1 ? found.first() : nullptr;
}

} // namespace

class TstSelectlogfrm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void opening()
    {
        Fixture f;
        QVERIFY(f.open());
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Select Modem Log file"));
        QCOMPARE(f.control<QLabel>("Label1")->text(),
                 QStringLiteral("In your windows directory, select your modem log file-"));
        QCOMPARE(f.control<QCheckBox>("Check1")->text(),
                 QStringLiteral("Show all \"log\" and \"txt\" files"));
        QVERIFY(!f.control<QCheckBox>("Check1")->isChecked());
        QCOMPARE(f.control<QPushButton>("cmdOK")->text(), QStringLiteral("OK"));
        QCOMPARE(f.control<QPushButton>("Command1")->text(), QStringLiteral("Apply"));
        QCOMPARE(f.control<QPushButton>("Command2")->text(), QStringLiteral("Cancel"));
        QCOMPARE(f.control<DriveList>("Drive1")->drive(), QDir::rootPath());
        QCOMPARE(f.control<DirectoryList>("Dir1")->path(), f.logs.path());
        QCOMPARE(f.control<FileList>("File1")->path(), f.logs.path());
        QVERIFY(f.control<FileList>("File1")->selectedFileName().isEmpty());
    }

    void openingWithoutHome()
    {
        QTemporaryDir config;
        SettingsStore settings(config.filePath(QStringLiteral("store.ini")));
        FakeShortcutMaker shortcuts;
        const HomeOverride home(config.filePath(QStringLiteral("no such home")));
        Selectlogfrm window(settings, shortcuts);
        QCOMPARE(window.findChild<DirectoryList*>(QStringLiteral("Dir1"))->path(),
                 QDir::rootPath());
        QCOMPARE(window.findChild<FileList*>(QStringLiteral("File1"))->path(), QDir::rootPath());
    }

    void patterns_data()
    {
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QStringList>("listed");
        const QStringList modem{QStringLiteral("ModemLog_X.txt"),
                                QStringLiteral("Standard Modem.log")};
        QTest::newRow("default") << 0 << modem;
        QTest::newRow("ticked") << 1
                                << QStringList{QStringLiteral("ModemLog_X.txt"),
                                               QStringLiteral("notes.txt"),
                                               QStringLiteral("Setup.log"),
                                               QStringLiteral("Standard Modem.log")};
        QTest::newRow("ticked and unticked") << 2 << modem;
    }

    void patterns()
    {
        QFETCH(int, clicks);
        QFETCH(QStringList, listed);
        Fixture f;
        QVERIFY(f.open());
        auto* check1 = f.control<QCheckBox>("Check1");
        // On the box itself: the control is wider than its caption.
        for (int i = 0; i < clicks; ++i)
            QTest::mouseClick(check1, Qt::LeftButton, {}, QPoint(6, check1->height() / 2));
        QCOMPARE(check1->isChecked(), clicks % 2 == 1);
        QCOMPARE(f.control<FileList>("File1")->fileNames(), listed);
    }

    void cancel()
    {
        Fixture f;
        QVERIFY(f.open());
        QVERIFY(f.clickFile(QStringLiteral("Standard Modem.log")));
        f.click("Command2");
        QVERIFY(!f.window->isVisible());
        QCOMPARE(f.window->result(), int(QDialog::Rejected));
        QCOMPARE(f.storedPath(), QStringLiteral("/old/ModemLog.txt"));
        QVERIFY(f.calls.isEmpty());
        QCOMPARE(f.shortcuts.created, 0);
    }

    void ok_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("doubleClick");
        QTest::newRow("OK") << "Standard Modem.log" << false;
        QTest::newRow("double-click") << "ModemLog_X.txt" << true;
    }

    void ok()
    {
        QFETCH(QString, file);
        QFETCH(bool, doubleClick);
        Fixture f;
        QVERIFY(f.open());
        QVERIFY(f.clickFile(file, doubleClick));
        if (!doubleClick)
            f.click("cmdOK");

        const QString expected = f.logs.path() + QLatin1Char('/') + file;
        QCOMPARE(f.storedPath(), expected);
        QCOMPARE(f.calls.size(), 1);
        QCOMPARE(f.calls.first().path, expected);
        QVERIFY(!f.calls.first().visible);
        QCOMPARE(f.window->result(), int(QDialog::Accepted));
        QCOMPARE(f.shortcuts.created, 1);
        QCOMPARE(f.shortcuts.title, QStringLiteral("Dialtrak"));
        QCOMPARE(f.shortcuts.target, QCoreApplication::applicationFilePath());
    }

    void okAndApplyWaitForAFile()
    {
        // Without a file the stored path would become a folder.
        Fixture f;
        QVERIFY(f.open());
        const auto enabled = [&f] {
            return f.control<QPushButton>("cmdOK")->isEnabled() &&
                   f.control<QPushButton>("Command1")->isEnabled();
        };
        QVERIFY(!f.control<QPushButton>("cmdOK")->isEnabled());
        QVERIFY(!f.control<QPushButton>("Command1")->isEnabled());
        QVERIFY(f.clickFile(QStringLiteral("Standard Modem.log")));
        QVERIFY(enabled());
        QVERIFY(QDir(f.logs.path()).mkpath(QStringLiteral("sub")));
        f.control<DirectoryList>("Dir1")->setPath(f.logs.filePath(QStringLiteral("sub")));
        QVERIFY(!f.control<QPushButton>("cmdOK")->isEnabled());
        QCOMPARE(f.storedPath(), QStringLiteral("/old/ModemLog.txt"));
    }

    void opensAtTheModemLogInUse()
    {
        Fixture f;
        QVERIFY(QDir(f.logs.path()).mkpath(QStringLiteral("modem")));
        const QString inUse = f.logs.filePath(QStringLiteral("modem/ModemLog_Long Name Of A "
                                                             "PCI Soft Data Fax Modem.txt"));
        touch(inUse);
        QVERIFY(f.open({}, inUse));
        QCOMPARE(f.control<DirectoryList>("Dir1")->path(), QFileInfo(inUse).absolutePath());
        FileList* files = f.control<FileList>("File1");
        QCOMPARE(files->selectedFileName(), QFileInfo(inUse).fileName());
        QVERIFY(f.control<QPushButton>("cmdOK")->isEnabled());
        // The long name is shown whole, never cut short.
        QCOMPARE(files->textElideMode(), Qt::ElideNone);
    }

    void applyTwice()
    {
        Fixture f;
        QVERIFY(f.open());
        QVERIFY(f.clickFile(QStringLiteral("Standard Modem.log")));
        f.click("Command1");
        QVERIFY(f.clickFile(QStringLiteral("ModemLog_X.txt")));
        f.click("Command1");

        const QString second = f.logs.filePath(QStringLiteral("ModemLog_X.txt"));
        QCOMPARE(f.storedPath(), second);
        QCOMPARE(f.calls.size(), 2);
        QCOMPARE(f.calls[0].path, f.logs.filePath(QStringLiteral("Standard Modem.log")));
        QCOMPARE(f.calls[1].path, second);
        QVERIFY(f.calls[0].visible && f.calls[1].visible);
        QVERIFY(f.window->isVisible());
        QCOMPARE(f.shortcuts.created, 0);
    }

    void directoryNavigation()
    {
        Fixture f;
        QVERIFY(f.open());
        QVERIFY(QDir(f.logs.path()).mkpath(QStringLiteral("Windows")));
        touch(f.logs.filePath(QStringLiteral("Windows/Modem on COM1.log")));
        auto* dir1 = f.control<DirectoryList>("Dir1");
        dir1->refresh();

        // Down into a subdirectory with a double-click: the file list follows.
        QTreeWidgetItem* sub = directoryItem(dir1, QStringLiteral("Windows"));
        QVERIFY(sub);
        const QPoint centre = dir1->visualItemRect(sub).center();
        QTest::mouseClick(dir1->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(dir1->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(dir1->path(), f.logs.filePath(QStringLiteral("Windows")));
        QCOMPARE(f.control<FileList>("File1")->fileNames(),
                 QStringList{QStringLiteral("Modem on COM1.log")});

        // Back up with Enter on the parent: it opens the directory and does not press OK.
        QTreeWidgetItem* parent = directoryItem(dir1, QFileInfo(f.logs.path()).fileName());
        QVERIFY(parent);
        dir1->setCurrentItem(parent);
        dir1->setFocus();
        QTest::keyClick(dir1, Qt::Key_Return);
        QCOMPARE(dir1->path(), f.logs.path());
        QVERIFY(f.window->isVisible());
        QVERIFY(f.calls.isEmpty());
        QCOMPARE(f.control<FileList>("File1")->fileNames().size(), 2);

        // A directory that is gone leaves the list where it was.
        QVERIFY(!dir1->setPath(f.logs.filePath(QStringLiteral("gone"))));
        QCOMPARE(dir1->path(), f.logs.path());
    }

    void ancestorsAndChildren()
    {
        Fixture f;
        QVERIFY(f.open({}));
        QVERIFY(QDir(f.logs.path()).mkpath(QStringLiteral("b/deeper")));
        QVERIFY(QDir(f.logs.path()).mkpath(QStringLiteral("A")));
        auto* dir1 = f.control<DirectoryList>("Dir1");
        QVERIFY(dir1->setPath(f.logs.filePath(QStringLiteral("b"))));

        // From the drive down to the current directory, each a level deeper, then its children.
        QStringList chain;
        int depth = 0;
        QTreeWidgetItem* item = dir1->topLevelItem(0);
        QCOMPARE(dir1->topLevelItemCount(), 1);
        QCOMPARE(item->text(0), QDir::toNativeSeparators(QDir::rootPath()));
        while (item->childCount() == 1 && item != dir1->currentItem()) {
            item = item->child(0);
            ++depth;
        }
        QCOMPARE(item, dir1->currentItem());
        QCOMPARE(item->text(0), QStringLiteral("b"));
        QCOMPARE(depth, f.logs.filePath(QStringLiteral("b")).count(QLatin1Char('/')));
        QCOMPARE(item->childCount(), 1);
        QCOMPARE(item->child(0)->text(0), QStringLiteral("deeper"));
        QCOMPARE(dir1->filePath(QStringLiteral("x.log")),
                 f.logs.filePath(QStringLiteral("b/x.log")));

        QVERIFY(dir1->setPath(QDir::rootPath()));
        QCOMPARE(dir1->filePath(QStringLiteral("x.log")),
                 QDir::rootPath() + QStringLiteral("x.log"));
    }

    void driveChoice_data()
    {
        QTest::addColumn<bool>("readable");
        QTest::newRow("readable") << true;
        QTest::newRow("not ready") << false;
    }

    void driveChoice()
    {
        QFETCH(bool, readable);
        Fixture f;
        QVERIFY(f.open());
        QTemporaryDir other;
        const QString second = readable ? other.path() : other.filePath(QStringLiteral("absent"));
        auto* drive1 = f.control<DriveList>("Drive1");
        drive1->setDrives({QDir::rootPath(), second});
        drive1->setFocus();
        QTest::keyClick(drive1, Qt::Key_Down);

        auto* dir1 = f.control<DirectoryList>("Dir1");
        QCOMPARE(drive1->drive(), readable ? second : QDir::rootPath());
        QCOMPARE(drive1->currentIndex(), readable ? 1 : 0);
        QCOMPARE(dir1->path(), readable ? second : f.logs.path());
        QCOMPARE(f.control<FileList>("File1")->path(), dir1->path());
    }
};

DIALTRAK_TEST(TstSelectlogfrm)
#include "tst_selectlogfrm.moc"
