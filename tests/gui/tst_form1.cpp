#include "log/ownlogfile.h"
#include "modemlogbuilder.h"
#include "platform/textfile.h"
#include "programrun.h"
#include "testregistry.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

namespace
{

const QString kNoLogWarning =
    "Please select your modem log file which is found in your Windows directory, usually a file "
    "with the same name as your modem.";
const QString kTarifHint = "You will need to set your phone tarifs and times by clicking \"Set "
                           "Phone Tarifs and Times\" on the Options menu.";

ModemLogBuilder threeCalls()
{
    return ModemLogBuilder()
        .call("04-03-2000", "21:05:00", "22:10:09")
        .call("04-03-2000", "22:30:00", "22:45:00")
        .call("04-04-2000", "10:00:00", "10:20:30");
}

} // namespace

class TstForm1 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstStartAsksForTheModemLog()
    {
        Run run;
        bool selectionShown = false;
        onNextModal(
            [&](QWidget* modal) { selectionShown = modal->objectName() == "Selectlogfrm"; });
        run.start(false);
        QVERIFY(selectionShown);
        QCOMPARE(run.prompter.texts(), (QStringList{kNoLogWarning, kTarifHint}));
        QCOMPARE(run.prompter.shown.at(0).icon, Prompter::Icon::Warning);
        QCOMPARE(run.prompter.shown.at(1).icon, Prompter::Icon::None);
        QCOMPARE(run.window->tariff().rate(0), QString("0"));
        QVERIFY(run.window->tariff().identify());
        QVERIFY(run.window->tariff().twelveHour());
        QVERIFY(run.child<QGroupBox>("fstart")->isVisible());
    }

    void loadShowsTheLogInTheTitle()
    {
        Run run;
        run.writeModemLog(threeCalls());
        run.start();
        QCOMPARE(run.window->windowTitle(), "Dialtrak - viewing log file " + run.modemLog);
        QCOMPARE(run.window->table().connectioncount(), 3);
        QVERIFY(run.prompter.shown.isEmpty());
        QVERIFY(QFile::exists(OwnLogFile::pathFor(run.modemLog)));
        // The written view: a separator, two lines of 3 April, a separator, one of 4 April.
        QListWidget* start = run.child<QListWidget>("start");
        QCOMPARE(start->count(), 5);
        QCOMPARE(start->item(0)->text(), QString());
        QVERIFY(start->item(1)->text().startsWith("001: Connected on Mon 03 Apr 00, 09:05 "));
        QCOMPARE(start->item(3)->text(), QString());
    }

    void emptyModemLogSaysSo()
    {
        Run run;
        run.writeModemLog(ModemLogBuilder());
        run.start();
        QCOMPARE(run.prompter.texts(),
                 QStringList{"There were no connections found in the file, " + run.modemLog});
        QCOMPARE(run.prompter.shown.at(0).icon, Prompter::Icon::Information);
        QCOMPARE(run.window->windowTitle(), "Dialtrak - viewing log file " + run.modemLog);
    }

    void viewSwitchIsRememberedAcrossARestart()
    {
        Run run;
        run.writeModemLog(threeCalls());
        run.start();
        QMenu* popbit = run.child<QMenu>("popbit");
        QVERIFY(popbit->isEnabled());
        QVERIFY(run.action("swritten")->isChecked());
        QTest::mouseClick(run.child<QPushButton>("Command4"), Qt::LeftButton);
        QCOMPARE(run.settings.read("Display", "show in", "?"), QString("table"));
        QVERIFY(run.child<QGroupBox>("fgrid1")->isVisible());
        QVERIFY(!run.child<QGroupBox>("fstart")->isVisible());
        QVERIFY(!popbit->isEnabled());
        QVERIFY(run.action("stable")->isChecked());
        QVERIFY(!run.action("swritten")->isChecked());
        QVERIFY(!run.child<QPushButton>("Command4")->isEnabled());
        QVERIFY(run.child<QPushButton>("Command3")->isEnabled());

        run.window->close();
        run.writeModemLog(threeCalls());
        run.start();
        QVERIFY(run.child<QGroupBox>("fgrid1")->isVisible());
        QCOMPARE(run.child<QTableWidget>("grid1")->rowCount(), 3);

        run.action("swritten")->trigger();
        QVERIFY(run.child<QGroupBox>("fstart")->isVisible());
        QCOMPARE(run.settings.read("Display", "show in", "?"), QString("written"));
        QVERIFY(run.child<QMenu>("popbit")->isEnabled());
    }

    void unchangedWrittenViewKeepsItsSelection()
    {
        Run run;
        run.writeModemLog(threeCalls());
        run.start();
        QListWidget* start = run.child<QListWidget>("start");
        start->item(2)->setSelected(true);
        run.action("stable")->trigger();
        run.action("swritten")->trigger();
        QVERIFY(start->item(2)->isSelected());
        QCOMPARE(run.child<QLabel>("tipl")->text(), "Totals for the 1 selected connection(s)-");
        // Refresh reloads the table, so the list is built anew.
        run.action("menurefresh")->trigger();
        QVERIFY(start->selectedItems().isEmpty());
    }

    void closingEmptiesTheModemLogOnlyWhenSafe_data()
    {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<bool>("useExit");
        QTest::addColumn<bool>("emptied");
        QTest::newRow("finished calls") << threeCalls().bytes() << false << true;
        QTest::newRow("File > Exit") << threeCalls().bytes() << true << false;
        QTest::newRow("call in progress")
            << ModemLogBuilder().call("04-03-2000", "21:05:00", "").bytes() << false << false;
        QTest::newRow("no connections")
            << ModemLogBuilder().line("04-03-2000", "21:05:00", "Dialing.").bytes() << false
            << false;
    }
    void closingEmptiesTheModemLogOnlyWhenSafe()
    {
        QFETCH(QByteArray, log);
        QFETCH(bool, useExit);
        QFETCH(bool, emptied);
        Run run;
        QVERIFY(TextFile::writeBytes(run.modemLog, log));
        run.start();
        if (useExit)
            run.action("exit")->trigger();
        else
            run.window->close();
        QCOMPARE(run.modemLogBytes().isEmpty(), emptied);
        if (!emptied)
            QCOMPARE(run.modemLogBytes(), log);
    }

    void closingFirstSavesConnectionsMadeAfterTheLoad()
    {
        Run run;
        run.writeModemLog(threeCalls());
        run.start();
        // The user dials again while the window is open.
        run.writeModemLog(threeCalls().call("04-05-2000", "19:00:00", "19:30:00"));
        run.window->close();
        QVERIFY(run.modemLogBytes().isEmpty());
        const QStringList own = *TextFile::readLines(OwnLogFile::pathFor(run.modemLog));
        QCOMPARE(own.size(), 4);
        QCOMPARE(own.last(), "\"2000-04-05\",\"19:00:00\",\"19:30:00\"");
    }

    void whatCannotBeReadAtStartIsTold_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("told");
        QTest::addColumn<bool>("again"); // at the next start
        // Silently 0, every call would cost nothing, and the next OK would store the 0.
        QTest::newRow("a stored rate") << "rate"
                                       << "\"Rate 2\" could not be read" << true;
        // Kept in the file, but the user must know some connections are not shown.
        QTest::newRow("an own log line") << "own log line"
                                         << "could not be read: 1." << false;
        QTest::newRow("the notes file") << "notes"
                                        << "information file" << true;
    }
    void whatCannotBeReadAtStartIsTold()
    {
        QFETCH(QString, what);
        QFETCH(QString, told);
        QFETCH(bool, again);
        Run run;
        run.writeModemLog(threeCalls());
        if (what == "rate")
            run.settings.write("TimesAndTarifs", "Rate2", "abc");
        if (what == "own log line")
            QVERIFY(TextFile::writeBytes(OwnLogFile::pathFor(run.modemLog),
                                         "\"3/15/00\",\"10:00:00\",\"10:10:00\"\r\n"));
        if (what == "notes")
            QVERIFY(QDir().mkpath(run.services.programDirectory +
                                  "/Extra information for Standard Modem.dtk/x"));
        run.start();
        QCOMPARE(run.prompter.texts().size(), 1);
        QVERIFY2(run.prompter.texts().at(0).contains(told), qPrintable(run.prompter.texts().at(0)));
        QCOMPARE(run.prompter.shown.at(0).icon, Prompter::Icon::Warning);
        // A value the user can set again, or a file that fails now, is told at every start; lines
        // kept as they are, which the user can do nothing about, only once.
        run.start();
        QCOMPARE(run.prompter.texts().size(), again ? 2 : 1);
    }

    void applyWithAFileThatCannotBeOpenedKeepsOneWindow()
    {
        Run run;
        run.writeModemLog(threeCalls());
        run.start();
        int selectionWindows = -1;
        bool stillOpen = false;
        onNextModal([&](QWidget* modal) {
            // The chosen file is gone by the time Apply reads it.
            QVERIFY(QFile::remove(run.modemLog));
            QTest::mouseClick(modal->findChild<QPushButton*>("Command1"), Qt::LeftButton);
            stillOpen = modal->isVisible() && QApplication::activeModalWidget() == modal;
            selectionWindows = 0;
            for (QWidget* w : QApplication::topLevelWidgets())
                selectionWindows += w->objectName() == "Selectlogfrm" && w->isVisible();
        });
        run.action("selectlog")->trigger();
        QCOMPARE(selectionWindows, 1);
        QVERIFY(stillOpen);
        QCOMPARE(run.prompter.texts(), QStringList{kNoLogWarning});
    }

    void aFullLogIsToldOncePerRun()
    {
        Run run;
        ModemLogBuilder log;
        for (int i = 0; i < 1001; ++i) {
            const QTime start = QTime(0, 0).addSecs(i * 80);
            log.call(QDate(2000, 1, 1).addDays(i / 1000).toString("MM-dd-yyyy"),
                     start.toString("hh:mm:ss"), start.addSecs(60).toString("hh:mm:ss"));
        }
        run.writeModemLog(log);
        run.start();
        QCOMPARE(run.window->table().connectioncount(), 1000);
        QCOMPARE(run.prompter.shown.size(), 1);
        QVERIFY(run.prompter.texts().at(0).contains("Start New Log"));
        run.action("menurefresh")->trigger();
        QCOMPARE(run.prompter.shown.size(), 1);
        // Nothing may be lost: the own log holds all 1001, and closing keeps the modem log.
        QCOMPARE(TextFile::readLines(OwnLogFile::pathFor(run.modemLog))->size(), 1001);
        run.window->close();
        QCOMPARE(run.modemLogBytes(), log.bytes());
    }

    void startNewLogWithAFullTableKeepsTheRest()
    {
        Run run;
        QStringList own;
        for (int i = 0; i < 1003; ++i)
            own << QStringLiteral("\"%1\",\"10:00:00\",\"10:30:00\"")
                       .arg(QDate(1998, 1, 1).addDays(i).toString(Qt::ISODate));
        QVERIFY(TextFile::writeLines(OwnLogFile::pathFor(run.modemLog), own));
        run.writeModemLog(ModemLogBuilder());
        run.start();
        QVERIFY(run.prompter.texts().at(0).contains("Start New Log"));
        run.prompter.answers = {Prompter::Answer::No, Prompter::Answer::Yes};
        run.action("newlog")->trigger();
        QCOMPARE(run.window->table().connectioncount(), 3);
        QCOMPARE(run.window->table()[1].conndate,
                 QDate(1998, 1, 1).addDays(1000).toString(Qt::ISODate));
        QCOMPARE(run.prompter.texts().last(), QString("New log created successfully."));
    }

    void notesWaitForAnOwnLogThatCannotBeRead()
    {
        Run run;
        run.writeModemLog(threeCalls());
        QVERIFY(QDir().mkpath(OwnLogFile::pathFor(run.modemLog) + "/blocked"));
        run.start();
        run.prompter.shown.clear();
        run.child<QListWidget>("start")->item(2)->setSelected(true);
        run.action("enterit")->trigger();
        QCOMPARE(run.prompter.shown.size(), 1);
        QVERIFY(!run.prompter.shown.at(0).isInput);
        QVERIFY(run.prompter.texts().at(0).contains("notes"));
        QVERIFY(!QDir(run.services.programDirectory).exists());
    }

    void startNewLogAsksTwiceThenStartsAfresh()
    {
        Run run;
        run.writeModemLog(threeCalls());
        run.start();
        run.prompter.answers = {Prompter::Answer::No, Prompter::Answer::Yes};
        run.action("newlog")->trigger();
        QCOMPARE(run.prompter.shown.size(), 4);
        QCOMPARE(run.prompter.shown.at(0).buttons, Prompter::Buttons::YesNoCancel);
        QVERIFY(run.prompter.texts().at(0).startsWith(
            "This command will start a new log by deleting both the windows modem log file and "
            "the Dialtrak log file."));
        QCOMPARE(run.prompter.shown.at(1).buttons, Prompter::Buttons::YesNo);
        QCOMPARE(run.prompter.shown.at(1).defaultButton, Prompter::Answer::No);
        QCOMPARE(run.prompter.texts().at(2),
                 "There were no connections found in the file, " + run.modemLog);
        QCOMPARE(run.prompter.texts().at(3), QString("New log created successfully."));
        QCOMPARE(run.window->table().connectioncount(), 0);
        QVERIFY(run.modemLogBytes().isEmpty());
    }

    void startNewLogCancelledChangesNothing()
    {
        Run run;
        run.writeModemLog(threeCalls());
        run.start();
        run.prompter.answers = {Prompter::Answer::Cancel};
        run.action("newlog")->trigger();
        run.prompter.answers = {Prompter::Answer::No, Prompter::Answer::No};
        run.action("newlog")->trigger();
        QCOMPARE(run.prompter.shown.size(), 3);
        QCOMPARE(run.window->table().connectioncount(), 3);
        QCOMPARE(run.modemLogBytes(), threeCalls().bytes());
    }

    void extraInformationIsEditedFromTheMenu()
    {
        Run run;
        run.writeModemLog(threeCalls());
        run.start();
        QListWidget* start = run.child<QListWidget>("start");
        start->item(2)->setSelected(true);
        run.prompter.inputs = {QString("Work call")};
        run.action("enterit")->trigger();
        QCOMPARE(run.prompter.shown.at(0).text,
                 "Enter extra connection information for connection number 002");
        QVERIFY(start->item(2)->text().endsWith(" -Work call"));
        QVERIFY(run.launcher.openedFiles.isEmpty());
        // The text survives a reload.
        run.action("menurefresh")->trigger();
        QVERIFY(start->item(2)->text().endsWith(" -Work call"));
    }

    void theRememberedViewIsShownAtStart_data()
    {
        QTest::addColumn<QString>("showIn");
        QTest::addColumn<int>("view"); // -1: none
        QTest::newRow("written") << "written" << 0;
        QTest::newRow("table") << "table" << 1;
        QTest::newRow("statistics") << "stat" << 2;
        QTest::newRow("graph") << "graph" << 3;
        QTest::newRow("unknown value") << "pie" << -1;
    }
    void theRememberedViewIsShownAtStart()
    {
        QFETCH(QString, showIn);
        QFETCH(int, view);
        Run run;
        run.writeModemLog(threeCalls());
        run.settings.write("Display", "show in", showIn);
        run.start();
        const QStringList containers{"fstart", "fgrid1", "Picture1", "fgraph"};
        const QStringList items{"swritten", "stable", "sstat", "grash"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(run.child<QGroupBox>(containers.at(i))->isVisible(), i == view);
            QCOMPARE(run.action(items.at(i))->isChecked(), i == view);
            if (view >= 0)
                QCOMPARE(run.child<QPushButton>(QString("Command%1").arg(i + 3))->isEnabled(),
                         i != view);
        }
        QCOMPARE(run.child<QMenu>("popbit")->isEnabled(), view == 0);
        QCOMPARE(run.settings.read("Display", "show in", "?"), showIn);
    }

    void statisticsAndGraphAreChosenFromButtonsAndMenu()
    {
        Run run;
        run.writeModemLog(threeCalls());
        run.start();
        QTest::mouseClick(run.child<QPushButton>("Command5"), Qt::LeftButton);
        QVERIFY(run.child<QGroupBox>("Picture1")->isVisible());
        QCOMPARE(run.settings.read("Display", "show in", "?"), QString("stat"));
        run.action("grash")->trigger();
        QVERIFY(run.child<QGroupBox>("fgraph")->isVisible());
        QCOMPARE(run.settings.read("Display", "show in", "?"), QString("graph"));
        // 1 h 5 min 9 s is the longest of the three calls.
        QCOMPARE(run.child<QLabel>("Label17")->text(), QString("65mins"));
    }

    void everyLoadRefreshesTheStatistics()
    {
        Run run;
        run.writeModemLog(threeCalls());
        run.start();
        // 3 April to 28 April: 25 days back.
        QScrollBar* since = run.child<QScrollBar>("since");
        QCOMPARE(since->maximum(), 26);
        since->setValue(26);
        QCOMPARE(run.child<QLabel>("Label2")->text(), QString("1 hrs 40 mins 39 secs"));

        run.writeModemLog(threeCalls().call("04-28-2000", "10:00:00", "10:00:21"));
        run.action("menurefresh")->trigger();
        QCOMPARE(run.child<QLabel>("Label2")->text(), QString("1 hrs 41 mins 0 secs"));

        run.prompter.answers = {Prompter::Answer::No, Prompter::Answer::Yes};
        run.action("newlog")->trigger();
        QCOMPARE(since->value(), 1);
        QCOMPARE(run.child<QLabel>("Label2")->text(), QString("0 hrs 0 mins 0 secs"));
    }

    void aModemLogThatCannotBeOpenedLeavesNoOldFigures()
    {
        Run run;
        run.writeModemLog(threeCalls());
        run.start();
        QVERIFY(QFile::remove(run.modemLog));
        QVERIFY(QFile::remove(OwnLogFile::pathFor(run.modemLog)));
        onNextModal([](QWidget*) {});
        run.action("menurefresh")->trigger();
        QCOMPARE(run.window->table().connectioncount(), 0);
        QCOMPARE(run.child<QLabel>("Label23")->text(), QString("0 hrs 0 mins 0 secs"));
        QCOMPARE(run.child<QLabel>("Label18")->text(), QString("0 hrs 0 mins 0 secs"));
        QCOMPARE(run.child<QScrollBar>("since")->maximum(), 1);
    }

    void showingTheStatisticsDoesNotRecompute()
    {
        Run run;
        run.writeModemLog(threeCalls());
        run.start();
        run.clock.set(QDateTime(QDate(2000, 5, 28), QTime(12, 0)));
        run.action("sstat")->trigger();
        QCOMPARE(run.child<QLabel>("Label33")->text(), QString("Fri 28 Apr 00"));
        // A move of a scroll bar does.
        run.child<QScrollBar>("sto")->setValue(1);
        run.child<QScrollBar>("since")->setValue(2);
        QCOMPARE(run.child<QLabel>("Label33")->text(), QString("Sun 28 May 00"));
    }

    void anOwnLogThatCannotBeKeptIsToldAndTheModemLogStays()
    {
        Run run;
        run.writeModemLog(threeCalls());
        // A directory where the own log belongs: it can be neither read nor replaced.
        QVERIFY(QDir().mkpath(OwnLogFile::pathFor(run.modemLog) + "/blocked"));
        run.start();
        QCOMPARE(run.prompter.shown.size(), 1);
        QVERIFY(
            run.prompter.texts().at(0).startsWith("The Dialtrak log file could not be updated"));
        QCOMPARE(run.prompter.shown.at(0).icon, Prompter::Icon::Warning);
        run.action("menurefresh")->trigger();
        QCOMPARE(run.prompter.shown.size(), 1);
        run.window->close();
        QCOMPARE(run.modemLogBytes(), threeCalls().bytes());
    }

    void aStartNewLogThatFailsIsNotReportedAsDone()
    {
        Run run;
        run.writeModemLog(threeCalls());
        run.start();
        QVERIFY(QFile::remove(OwnLogFile::pathFor(run.modemLog)));
        QVERIFY(QDir().mkpath(OwnLogFile::pathFor(run.modemLog) + "/blocked"));
        run.prompter.answers = {Prompter::Answer::No, Prompter::Answer::Yes};
        run.action("newlog")->trigger();
        QVERIFY(run.prompter.texts().contains("Could not delete the log file."));
        QVERIFY(!run.prompter.texts().contains("New log created successfully."));
    }

    void viewingAFileOpensItInTheEditorOrTheViewer_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("desktopOpensIt");
        QTest::newRow("own log, editor") << "viewdtklog" << true;
        QTest::newRow("own log, no editor") << "viewdtklog" << false;
        QTest::newRow("compacted log, no editor") << "cleanlog" << false;
    }
    void viewingAFileOpensItInTheEditorOrTheViewer()
    {
        QFETCH(QString, item);
        QFETCH(bool, desktopOpensIt);
        Run run;
        run.writeModemLog(threeCalls());
        run.start();
        run.launcher.succeed = desktopOpensIt;
        run.action(item)->trigger();
        const QString path =
            item == "viewdtklog" ? OwnLogFile::pathFor(run.modemLog) : run.modemLog;
        QCOMPARE(run.launcher.openedFiles, QStringList{path});
        QPlainTextEdit* shown = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->windowTitle() == QFileInfo(path).fileName())
                shown = window->findChild<QPlainTextEdit*>("text");
        }
        QCOMPARE(shown != nullptr, !desktopOpensIt);
        if (shown) {
            QVERIFY(shown->isReadOnly());
            QVERIFY(shown->toPlainText().contains("22:30:00"));
            shown->window()->close();
        }
    }

    void theWindowOpensWhereItWasClosed()
    {
        Run run;
        run.writeModemLog(threeCalls());
        run.start();
        run.window->setGeometry(40, 30, 700, 480);
        run.window->close();
        // Started again: in its place, and never beyond the screen it opens on.
        run.start();
        QCOMPARE(run.window->geometry(), QRect(40, 30, 700, 480));
        run.settings.write("Display", "Width", "5000");
        run.start();
        QVERIFY(run.window->screen()->availableGeometry().contains(run.window->frameGeometry()));
        // However small it is made, the totals and the status line stay in sight.
        run.window->resize(1, 1);
        QApplication::processEvents();
        const QWidget* totals = run.child<QWidget>("stotal");
        QVERIFY(totals->isVisible());
        QVERIFY(totals->mapTo(run.window.get(), QPoint(0, totals->height())).y() <=
                run.window->statusBar()->y());
        QVERIFY(run.window->statusBar()->height() > 0);
        // Every view fits a 1024x768 screen scaled to 150%.
        for (const char* view : {"Command3", "Command4", "Command5", "Command6"}) {
            run.child<QPushButton>(view)->click();
            QApplication::processEvents();
            QVERIFY2(run.window->minimumSizeHint().boundedTo(QSize(683, 512)) ==
                         run.window->minimumSizeHint(),
                     view);
        }
    }

    void theNewestConnectionStaysInViewOnResize_data()
    {
        QTest::addColumn<QString>("view");
        QTest::newRow("written") << "Command3";
        QTest::newRow("table") << "Command4";
    }
    void theNewestConnectionStaysInViewOnResize()
    {
        QFETCH(QString, view);
        Run run;
        ModemLogBuilder log;
        for (int day = 1; day <= 28; ++day)
            log.call(QDate(2000, 4, day).toString("MM-dd-yyyy"), "10:00:00", "10:30:00")
                .call(QDate(2000, 4, day).toString("MM-dd-yyyy"), "20:00:00", "20:30:00");
        run.writeModemLog(log);
        run.start();
        run.child<QPushButton>(view)->click();
        QAbstractItemView* list =
            view == "Command3" ? static_cast<QAbstractItemView*>(run.child<QListWidget>("start"))
                               : run.child<QTableWidget>("grid1");
        QApplication::processEvents();
        run.window->resize(run.window->width(), run.window->minimumHeight());
        QApplication::processEvents();
        QApplication::processEvents();
        const QModelIndex last = list->model()->index(list->model()->rowCount() - 1, 0);
        QVERIFY(list->viewport()->rect().contains(list->visualRect(last)));
    }

    void startNewLogWithNothingToSaveSaysSo()
    {
        Run run;
        run.writeModemLog(ModemLogBuilder());
        run.start();
        run.prompter.shown.clear();
        run.prompter.answers = {Prompter::Answer::Yes};
        run.action("newlog")->trigger();
        QCOMPARE(run.prompter.shown.size(), 2);
        QCOMPARE(run.prompter.texts().at(1), QString("There are no connections to save."));
    }

    void compactingKeepsTheCallsAndOpensTheLog()
    {
        Run run;
        run.writeModemLog(threeCalls().line("04-04-2000", "11:00:00", "Send: ATZ<cr>"));
        run.start();
        run.action("cleanlog")->trigger();
        const QByteArray compacted = run.modemLogBytes();
        QVERIFY(!compacted.contains("Send:"));
        QCOMPARE(compacted.count("Connection established"), 3);
        QCOMPARE(compacted.count("Hanging up the modem."), 3);
        QCOMPARE(run.launcher.openedFiles, QStringList{run.modemLog});
        QVERIFY(run.prompter.shown.isEmpty());
        QCOMPARE(run.child<QLabel>("Label1")->text(), QString());
        // The table is not reloaded, and a reload finds the same connections.
        run.action("menurefresh")->trigger();
        QCOMPARE(run.window->table().connectioncount(), 3);
    }

    void printingWithoutAPrinterSaysSo()
    {
        Run run;
        run.writeModemLog(threeCalls());
        run.start();
        run.action("printconnect")->trigger();
        QCOMPARE(run.prompter.texts(),
                 QStringList{"There was a problem printing to your printer."});
    }
};

DIALTRAK_TEST(TstForm1)
#include "tst_form1.moc"
