#include "dialogs/colourbox.h"
#include "dialogs/colourchoice.h"
#include "dialogs/setcolours.h"
#include "dialogs/splashfrm.h"
#include "programrun.h"
#include "testregistry.h"

#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

namespace
{
const QColor kDarkCyan(0, 128, 128);
const QColor kLightYellow(255, 255, 128);

ModemLogBuilder twoCalls()
{
    return ModemLogBuilder()
        .call("04-03-2000", "21:05:00", "22:10:09")
        .call("04-04-2000", "10:00:00", "10:20:30");
}

// What a widget shows: how many of its pixels have each colour.
struct Painted {
    QHash<QRgb, int> counts;
    QColor most() const { return QColor(std::max_element(counts.begin(), counts.end()).key()); }
    bool has(const QColor& colour) const { return counts.contains(colour.rgb()); }
};

Painted painted(QWidget* widget)
{
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    Painted result;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ++result.counts[image.pixel(x, y)];
    }
    return result;
}

QStringList storedColours(const SettingsStore& settings)
{
    QStringList stored;
    for (const char* key : {"0", "1", "2", "3"})
        stored << settings.read("Colours", key, "absent");
    return stored;
}

template <typename T> T* in(QWidget* window, const QString& name)
{
    return window->findChild<T*>(name);
}

QString caption(const QGroupBox* frame)
{
    return QString(frame->title()).remove('&');
}

// What a screen reader meets in the window: a frame read by another caption than its own, or a
// control without a name. The parts Qt builds into its controls (qt_...) are read with them.
QStringList namingFaults(QWidget* window)
{
    QStringList faults;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        QWidget* parent = w->parentWidget();
        if (w->window() != window ||
            QString(w->objectName() + parent->objectName()).contains("qt_") ||
            qobject_cast<QAbstractItemView*>(parent))
            continue;
        const QString name = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        auto* frame = qobject_cast<QGroupBox*>(w);
        auto* outer = qobject_cast<QGroupBox*>(parent);
        if (frame ? name != caption(frame)
                  : outer && !qobject_cast<QLabel*>(w) && name == caption(outer))
            faults << w->objectName() + " is read as " + name;
        // On Linux a drop-down list is read by its current entry, unless a label names it.
        const QList<QLabel*> labels = parent->findChildren<QLabel*>();
        if (qobject_cast<QComboBox*>(w) ? std::none_of(labels.begin(), labels.end(),
                                                       [w](QLabel* l) { return l->buddy() == w; })
                                        : name.isEmpty() && w->focusPolicy() != Qt::NoFocus)
            faults << w->objectName() + " has no name";
    }
    return faults;
}
} // namespace

class TstAppearance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void anEmptyStoreGivesTheProgramsOwnReadableColours()
    {
        Run run;
        run.writeModemLog(twoCalls());
        run.start();
        const Painted list = painted(run.child<QListWidget>("start")->viewport());
        QCOMPARE(list.most(), kDarkCyan);
        QVERIFY(list.has(kLightYellow));

        run.action("stable")->trigger();
        auto* grid = run.child<QTableWidget>("grid1");
        const Painted body = painted(grid->viewport());
        QCOMPARE(body.most(), QColor(Qt::white));
        QVERIFY(body.has(Qt::black));
        QVERIFY(body.has(kDarkCyan)); // the grid lines
        const Painted header = painted(grid->horizontalHeader());
        QCOMPARE(header.most(), kDarkCyan);
        QVERIFY(header.has(kLightYellow));
    }

    void defaultsThenApplyStoresAndAppliesTheDefaults()
    {
        Run run;
        run.settings.write("Colours", "2", "128");  // dark red
        run.settings.write("Colours", "3", "teal"); // not a number
        run.writeModemLog(twoCalls());
        run.start();
        QListWidget* start = run.child<QListWidget>("start");
        QCOMPARE(painted(start->viewport()).most(), QColor(128, 0, 0));
        QVERIFY(painted(start->viewport()).has(kLightYellow));

        bool openAfterApply = false;
        QStringList shownBeforeDefaults;
        onNextModal([&](QWidget* window) {
            for (int n : {0, 1, 2, 3})
                shownBeforeDefaults
                    << QString::number(in<ColourBox>(window, QString("tb_%1").arg(n))->colour());
            QTest::mouseClick(in<QPushButton>(window, "defaults"), Qt::LeftButton);
            QCOMPARE(storedColours(run.settings).at(2), QString("128"));
            QTest::mouseClick(in<QPushButton>(window, "cmdapply"), Qt::LeftButton);
            openAfterApply = window->isVisible();
        });
        run.action("selcolours")->trigger();
        QCOMPARE(shownBeforeDefaults, (QStringList{"16777215", "0", "128", "8454143"}));
        QVERIFY(openAfterApply);
        QCOMPARE(storedColours(run.settings), (QStringList{"16777215", "0", "8421376", "8454143"}));
        QCOMPARE(painted(start->viewport()).most(), kDarkCyan);
    }

    void aPickThenCancelLeavesTheMainWindowAndTheStoreAsTheyWere()
    {
        Run run;
        run.writeModemLog(twoCalls());
        run.start();
        QListWidget* start = run.child<QListWidget>("start");
        quint32 picked = 0;
        onNextModal([&](QWidget* window) {
            onNextModal([](QWidget* picker) {
                QTest::mouseClick(in<ColourBox>(picker, "Picture1_17"), Qt::LeftButton);
            });
            QTest::mouseClick(in<ColourBox>(window, "tb_2"), Qt::LeftButton);
            picked = in<ColourBox>(window, "tb_2")->colour();
            QTest::mouseClick(in<QPushButton>(window, "cmdcancel"), Qt::LeftButton);
        });
        run.action("selcolours")->trigger();
        QCOMPARE(picked, quint32(0x0000FF));
        QCOMPARE(storedColours(run.settings), QStringList(4, "absent"));
        QCOMPARE(painted(start->viewport()).most(), kDarkCyan);

        quint32 reopened = 0;
        onNextModal([&](QWidget* window) { reopened = in<ColourBox>(window, "tb_2")->colour(); });
        run.action("selcolours")->trigger();
        QCOMPARE(reopened, quint32(8421376));
    }

    void movingOverThePaletteChangesOnlyThePreview()
    {
        QTemporaryDir dir;
        SettingsStore settings(dir.filePath("Modemtally.conf"));
        setcolours window(settings);
        window.move(0, 0);
        window.show();
        ColourBox* target = in<ColourBox>(&window, "tb_0");
        QList<QColor> previews;
        QList<quint32> targets;
        QList<QPoint> places;
        onNextModal([&](QWidget* picker) {
            QCOMPARE(picker->windowTitle(), QString("Click on a colour"));
            // The pointer goes to the top window under it: keep the two apart.
            picker->move(window.frameGeometry().right() + 20, 0);
            auto* preview = in<QFrame>(picker, "preview");
            for (int k : {0, 1, 8, 17, 47}) {
                auto* swatch = in<ColourBox>(picker, QString("Picture1_%1").arg(k));
                places << swatch->pos();
                QTest::mouseMove(swatch);
                previews << preview->palette().color(QPalette::Window);
                targets << target->colour();
            }
            QTest::mouseClick(in<QPushButton>(picker, "Command1"), Qt::LeftButton);
        });
        QTest::mouseClick(target, Qt::LeftButton);
        QCOMPARE(previews, (QList<QColor>{Qt::white, QColor(255, 192, 192), QColor(224, 224, 224),
                                          Qt::red, QColor(64, 0, 64)}));
        QCOMPARE(targets, QList<quint32>(5, 16777215));
        QCOMPARE(target->colour(), quint32(16777215));
        // Numbered row by row, 8 to a row, at one pitch across and down.
        const int pitch = places.at(1).x() - places.at(0).x();
        QVERIFY(pitch > 0);
        QCOMPARE(places.at(2), places.at(0) + QPoint(0, pitch));
        QCOMPARE(places.at(3), places.at(0) + QPoint(pitch, 2 * pitch));
        QCOMPARE(places.at(4), places.at(0) + QPoint(7 * pitch, 5 * pitch));
    }

    void aColourIsChosenFromTheKeyboard()
    {
        QTemporaryDir dir;
        SettingsStore settings(dir.filePath("Modemtally.conf"));
        setcolours window(settings);
        window.show();
        ColourBox* target = in<ColourBox>(&window, "tb_0");
        QColor preview;
        onNextModal([&](QWidget* picker) {
            // The keyboard starts at the colour being replaced, white, the first of the palette.
            QVERIFY(QTest::qWaitForWindowActive(picker));
            for (Qt::Key key : {Qt::Key_Right, Qt::Key_Down})
                QTest::keyClick(QApplication::focusWidget(), key);
            preview = in<QFrame>(picker, "preview")->palette().color(QPalette::Window);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Space);
        QCOMPARE(preview, QColor(255, 128, 128));
        QCOMPARE(target->colour(), quint32(0x8080FF));
    }

    void theAboutBoxAndTheSplashWindowShowTheirVersions()
    {
        Run run;
        run.writeModemLog(twoCalls());
        run.start();
        QStringList about;
        onNextModal([&](QWidget* window) {
            auto* homePage = in<QLineEdit>(window, "Text2");
            about << window->windowTitle() << in<QLabel>(window, "lblTitle")->text()
                  << in<QLabel>(window, "lblVersion")->text()
                  << in<QLabel>(window, "Label1")->text() << homePage->text()
                  << QString::number(homePage->isReadOnly());
            QTest::mouseClick(in<QPushButton>(window, "cmdOK"), Qt::LeftButton);
        });
        run.action("about")->trigger();
        QCOMPARE(about, (QStringList{"About Dialtrak", "Dialtrak", "Version 4.0.2",
                                     "\u00A9 2026 Dialtrak developers. Dialtrak is free software "
                                     "under the GNU General Public License, version 3 or later "
                                     "(www.gnu.org/licenses), and comes with no warranty.",
                                     run.dir.filePath("docs/dialtrak.html"), "1"}));

        splashfrm splash(run.window.get());
        QCOMPARE(in<QLabel>(&splash, "Label1")->text(), QString("Version 4.02"));
    }

    void theSplashWindowStepsAsideForStartUpQuestions()
    {
        Run run;
        bool splashShownUnderTheSelection = true;
        onNextModal([&](QWidget*) {
            splashShownUnderTheSelection = false;
            for (QWidget* w : QApplication::topLevelWidgets())
                splashShownUnderTheSelection |= w->objectName() == "splashfrm" && w->isVisible();
        });
        run.start(false);
        QVERIFY(!splashShownUnderTheSelection);
    }

    void theHomePageLink_data()
    {
        QTest::addColumn<bool>("pageThere");
        QTest::addColumn<bool>("browserOpens");
        QTest::addColumn<bool>("told");
        QTest::newRow("opened") << true << true << false;
        QTest::newRow("no browser") << true << false << true;
        QTest::newRow("no page") << false << true << true;
    }
    void theHomePageLink()
    {
        QFETCH(bool, pageThere);
        QFETCH(bool, browserOpens);
        QFETCH(bool, told);
        Run run;
        run.writeModemLog(twoCalls());
        run.start();
        const QString page = run.dir.filePath("docs/dialtrak.html");
        if (pageThere)
            QVERIFY(QDir().mkpath(QFileInfo(page).path()) &&
                    TextFile::writeBytes(page, "<html></html>"));
        run.launcher.succeed = browserOpens;
        run.action("webpage")->trigger();
        const QString address = "file://" + page;
        QCOMPARE(run.prompter.texts(),
                 told ? QStringList{"There was an error opening your web browser.  Please go to " +
                                    address + " in your web browser."}
                      : QStringList{});
        QCOMPARE(run.launcher.openedUrls, pageThere ? QList<QUrl>{QUrl(address)} : QList<QUrl>{});
    }

    void theHelpWindowShowsItsSectionsAndThisUsersFiles()
    {
        Run run;
        run.writeModemLog(twoCalls());
        run.start();
        QString title;
        QString text;
        bool readOnly = false;
        bool closed = false;
        onNextModal([&](QWidget* window) {
            title = window->windowTitle();
            auto* box = in<QPlainTextEdit>(window, "Text1");
            text = box->toPlainText();
            readOnly = box->isReadOnly();
            QTest::mouseClick(in<QPushButton>(window, "Command1"), Qt::LeftButton);
            closed = !window->isVisible();
        });
        run.action("helpcont")->trigger();
        QCOMPARE(title, QString("Help"));
        QVERIFY(readOnly);
        QVERIFY(closed);
        qsizetype at = 0;
        for (const char* heading :
             {"WHAT IS DIALTRAK?", "HOW DOES DIALTRAK LOG CONNECTIONS?",
              "ENABLING WINDOWS MODEM LOGGING", "KEY FEATURES", "CONTACT INFORMATION"}) {
            const qsizetype next = text.indexOf(QString(heading) + "\n", at);
            QVERIFY2(next >= at, heading);
            at = next;
        }
        QVERIFY(text.contains(run.settings.fileName()));
        QVERIFY(text.contains(run.modemLog));
        QVERIFY(
            text.contains(run.dir.filePath("program/Extra information for Standard Modem.dtk")));
    }

    void framesAndControlsAreReadByTheirOwnNames_data()
    {
        QTest::addColumn<QString>("action"); // the menu item that opens the window
        for (const char* action : {"", "setcosts", "selcolours", "colourchoice", "selectlog",
                                   "helpcont", "about", "saveastext"})
            QTest::newRow(*action ? action : "main window") << action;
    }
    void framesAndControlsAreReadByTheirOwnNames()
    {
        QFETCH(QString, action);
        Run run;
        run.writeModemLog(twoCalls());
        run.start();
        QStringList faults = namingFaults(run.window.get());
        if (action == "colourchoice") {
            faults = namingFaults(std::make_unique<colourchoice>(0).get());
        } else if (!action.isEmpty()) {
            onNextModal([&](QWidget* window) { faults = namingFaults(window); });
            run.action(action)->trigger();
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }
};

DIALTRAK_TEST(TstAppearance)
#include "tst_appearance.moc"
