#pragma once

#include "appearance/colourscheme.h"
#include "log/connectiontable.h"
#include "log/loadmessages.h"
#include "log/loadsession.h"
#include "platform/progresssink.h"
#include "tariff/tarifftable.h"

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <memory>

class BillPanel;
class BudgetWatch;
class ExtraInfoEditor;
class Notifier;
class SourceWatch;
class GraphView;
class QAction;
class QLabel;
class QMenu;
class StatusLine;
class QPushButton;
class Selectlogfrm;
class StatisticsView;
class TableView;
class WrittenView;
class setcostsform;
class weblink;
struct Services;

// The main window: owns the connection table and the tariff table for the whole run, switches
// between the views, and carries the menus, the status label and the progress bar.
class Form1 : public QMainWindow, public ProgressSink
{
    Q_OBJECT

public:
    explicit Form1(Services& services, QWidget* parent = nullptr);
    ~Form1() override;

    // For this run, the pppd records of the journal files in a folder (as `journalctl -D` reads
    // them) instead of the stored choice; before startup().
    void setJournalDirectory(const QString& directory) { m_journalDirectory = directory; }
    // Shows the window, loads the tariff and the connection table and shows the remembered view.
    void startup();

    // How a load speaks to the user: news of a live source tells only what went wrong, and
    // keeps the connections shown while the source cannot be read.
    enum class Interaction { Told, Quiet };
    // Reloads the connection table from the source and the own log.
    void lookinlog(Interaction interaction = Interaction::Told);
    // Shows the view remembered in the settings.
    void displaywhere();
    // Gives the views the colours of the scheme last applied.
    void imcols();
    // Where the budget warnings go besides the status line; none by default.
    void setNotifier(Notifier* notifier);
    // Shows the window in front of the others, as a second start of the program asks.
    void bringToFront();

    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();

    const ConnectionTable& table() const { return m_table; }
    const TariffTable& tariff() const { return m_tariff; }

    // ProgressSink: the status line's label and progress bar.
    void setStatus(const QString& text) override;
    void setProgress(int percent) override;
    void setProgressEnabled(bool enabled) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    enum class View { Written, Table, Statistics, Graph };
    // What the view switch needs of one view.
    struct ViewEntry {
        QString showIn; // its value under "Display"/"show in"
        QPushButton* button = nullptr;
        QAction* item = nullptr;
        QWidget* container = nullptr;
        QWidget* focus = nullptr;
        void (Form1::*fill)() = nullptr; // brings the view up to date as it is shown
    };

    void buildWindow();
    void buildMenus();
    void buildViewTable();
    QAction* addItem(QMenu* menu, const QString& name, const QString& caption,
                     void (Form1::*handler)(), const QKeySequence& shortcut = {});
    void switchTo(View view);
    void refillShownView();
    void fillWritten();
    void fillTable();
    void fillStatistics();
    void fillGraph();

    // The load's recovery when the modem log cannot be opened.
    void askForModemLog();
    void openSelectionWindow();
    // Where the window was when it last closed, fitted to the screen it opens on.
    void placeWindow();
    void fitToScreen(const QRect& wanted);
    void rememberPlace();
    // In the desktop's application for it, else in the program's own viewer.
    void showFile(const QString& path);
    // False, after telling the user why, while notes cannot be matched to connections.
    bool notesCanChange();
    // Reads from now on the source chosen.
    void useSource(const SourceChoice& choice);
    // Loads the table, refreshes the figures and, unless quiet, tells the user what the load
    // found.
    void load(Interaction interaction, LogLoader::Notes notes);
    void tell(const LoadMessages::Message& message);
    // On a first start, where this computer's journal holds pppd's records: asks whether to show
    // them; true when the user took them.
    bool offerThisComputersConnections();
    // A live source had news: read it, unless the user is busy in a window or a menu.
    void refreshLive();
    // The status line tells of a call still in progress, its time and cost so far.
    void updateCallInProgress();
    // Tells the user when a change of the settings could not be written to the file.
    void checkSettingsSaved();
    // The export windows open next time in the folder of the file just written.
    void rememberExportFolder(const QString& path);

    // Menu handlers.
    void newlog_Click();
    void saveastext_Click();
    void exportcsv_Click();
    void printconnect_Click();
    void cleanlog_Click();
    void viewdtklog_Click();
    void exit_Click();
    void selectlog_Click();
    void setcosts_Click();
    void menurefresh_Click();
    void enterit_Click();
    void reminfo_Click();
    void viewtarif_Click();
    void selcolours_Click();
    void helpcont_Click();
    void webpage_Click();
    void about_Click();
    void cclick_Click();
    void popcancel_Click();
    void arntanygovner_Click() {}

    Services& m_services;
    ConnectionTable m_table;
    TariffTable m_tariff;
    ColourScheme m_scheme;
    LoadSession m_session;
    std::unique_ptr<ExtraInfoEditor> m_extraInfoEditor;

    StatusLine* m_statusLine = nullptr;
    QPushButton* m_command3 = nullptr;
    QPushButton* m_command4 = nullptr;
    QPushButton* m_command5 = nullptr;
    QPushButton* m_command6 = nullptr;
    WrittenView* m_written = nullptr;
    TableView* m_grid = nullptr;
    StatisticsView* m_stats = nullptr;
    BillPanel* m_billPanel = nullptr;
    BudgetWatch* m_budgetwarning = nullptr;
    GraphView* m_graph = nullptr;
    std::array<ViewEntry, 4> m_views;

    QMenu* m_popbit = nullptr;
    QMenu* m_ttt = nullptr;
    QMenu* m_nosel = nullptr;
    QAction* m_swritten = nullptr;
    QAction* m_stable = nullptr;
    QAction* m_sstat = nullptr;
    QAction* m_grash = nullptr;

    Selectlogfrm* m_openSelection = nullptr;
    // The tariff editor, made hidden at start-up and kept for the whole run.
    setcostsform* m_setcostsform = nullptr;
    weblink* m_weblink1 = nullptr;
    bool m_exitRequested = false;

    QString m_journalDirectory;
    std::unique_ptr<SourceWatch> m_watch;
    static constexpr int LiveRefreshDelayMs = 1000;
    QTimer m_liveRefresh;
    QTimer m_callTimer;
};
