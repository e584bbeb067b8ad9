#include "form1.h"

#include "budgetwatch.h"
#include "statusline.h"
#include "weblink.h"

#include "dialogs/aboutform.h"
#include "dialogs/helpfrm.h"
#include "dialogs/helptext.h"
#include "dialogs/savelogfrm.h"
#include "dialogs/selectlogfrm.h"
#include "dialogs/setcolours.h"
#include "dialogs/setcostsform.h"
#include "dialogs/splashfrm.h"
#include "dialogs/textviewer.h"
#include "platform/exportfolder.h"
#include "platform/launcher.h"
#include "platform/programinfo.h"
#include "platform/prompter.h"
#include "platform/services.h"
#include "platform/settingsstore.h"
#include "platform/windowplacement.h"
#include "report/callinprogress.h"
#include "report/csvexport.h"
#include "report/print/connectionprinter.h"
#include "report/textexport.h"
#include "sources/connectionsource.h"
#include "tariff/tariffview.h"
#include "views/billpanel.h"
#include "views/extrainfoeditor.h"
#include "views/graphpicture.h"
#include "views/graphview.h"
#include "views/statisticsview.h"
#include "views/tableview.h"
#include "views/viewcolours.h"
#include "views/writtenview.h"

#include "platform/clock.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace
{
const QString kDisplay = QStringLiteral("Display");
const QString kShowIn = QStringLiteral("show in");
const QString kWritten = QStringLiteral("written");
const QString kTable = QStringLiteral("table");
const QString kStat = QStringLiteral("stat");
const QString kGraph = QStringLiteral("graph");
} // namespace

Form1::Form1(Services& services, QWidget* parent)
    : QMainWindow(parent), m_services(services),
      m_session(m_table, m_tariff, *this, services.programDirectory)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ProgramInfo::title());
    // A start does not repeat what the user was told at an earlier one.
    m_session.rememberToldIn(m_services.settings);
    m_extraInfoEditor = std::make_unique<ExtraInfoEditor>(m_table, m_services.prompter, [this] {
        if (const std::optional<LoadMessages::Message> failed = m_session.savetheextrabits())
            tell(*failed);
    });
    buildWindow();
    buildMenus();
    buildViewTable();
    m_weblink1 = new weblink(m_services.launcher, m_services.prompter, m_services.homePage, this);
    m_setcostsform = new setcostsform(m_tariff, m_services.settings, m_services.prompter, this);
    m_setcostsform->setReloadHandler([this] {
        lookinlog();
        displaywhere();
    });
    m_liveRefresh.setSingleShot(true);
    connect(&m_liveRefresh, &QTimer::timeout, this, &Form1::refreshLive);
    connect(&m_callTimer, &QTimer::timeout, this, &Form1::updateCallInProgress);
    resize(880, 580);
}

Form1::~Form1() = default;

void Form1::buildWindow()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);

    // The view buttons use a fixed-pitch font, as the lists do.
    QFont buttonFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    auto* buttons = new QHBoxLayout;
    const auto makeButton = [&](const QString& name, const QString& caption) {
        auto* button = new QPushButton(caption, central);
        button->setObjectName(name);
        button->setFont(buttonFont);
        buttons->addWidget(button);
        return button;
    };
    m_command3 = makeButton(QStringLiteral("Command3"), QStringLiteral("Written Log"));
    m_command4 = makeButton(QStringLiteral("Command4"), QStringLiteral("Table Log"));
    m_command5 = makeButton(QStringLiteral("Command5"), QStringLiteral("Statistics"));
    m_command6 = makeButton(QStringLiteral("Command6"), QStringLiteral("Graph"));
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(m_command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(m_command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(m_command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(m_command6, &QPushButton::clicked, this, &Form1::Command6_Click);

    m_written = new WrittenView(m_table, *this, central);
    m_grid = new TableView(m_table, *this, central);
    m_stats = new StatisticsView(m_table, m_services.clock, *this, central);
    m_billPanel = new BillPanel(m_table, m_tariff, m_services.clock, central);
    m_stats->addPanel(m_billPanel, m_billPanel->grid(), m_billPanel->headings(),
                      m_billPanel->values());
    m_graph = new GraphView(m_table, m_services.clock, *this, central);
    // The program's own colours until the stored scheme is read.
    imcols();
    for (QWidget* view : {static_cast<QWidget*>(m_written), static_cast<QWidget*>(m_grid),
                          static_cast<QWidget*>(m_stats), static_cast<QWidget*>(m_graph)}) {
        view->hide();
        layout->addWidget(view, 1);
    }
    // With no view shown (before the first load), the buttons stay at the top.
    layout->addStretch(0);
    setCentralWidget(central);

    m_statusLine = new StatusLine(this);
    statusBar()->addWidget(m_statusLine, 1);
    m_budgetwarning = new BudgetWatch(m_services.settings, this);
    statusBar()->addPermanentWidget(m_budgetwarning);
}

QAction* Form1::addItem(QMenu* menu, const QString& name, const QString& caption,
                        void (Form1::*handler)(), const QKeySequence& shortcut)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void Form1::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("file"));
    addItem(file, QStringLiteral("newlog"), QStringLiteral("Start &New Log"), &Form1::newlog_Click);
    addItem(file, QStringLiteral("saveastext"),
            QStringLiteral("&Save Connection Information as Text File"), &Form1::saveastext_Click);
    addItem(file, QStringLiteral("exportcsv"), QStringLiteral("&Export Connections as CSV..."),
            &Form1::exportcsv_Click);
    addItem(file, QStringLiteral("printconnect"), QStringLiteral("&Print Connection Information"),
            &Form1::printconnect_Click);
    addItem(file, QStringLiteral("cleanlog"), QStringLiteral("View &Compacted Modem Log File"),
            &Form1::cleanlog_Click);
    addItem(file, QStringLiteral("viewdtklog"), QStringLiteral("View &Dialtrak Log File"),
            &Form1::viewdtklog_Click);
    addItem(file, QStringLiteral("exit"), QStringLiteral("E&xit"), &Form1::exit_Click,
            QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("options"));
    addItem(options, QStringLiteral("selectlog"), QStringLiteral("Select &Modem Log File"),
            &Form1::selectlog_Click);
    addItem(options, QStringLiteral("setcosts"), QStringLiteral("Set Phone &Tarifs and Times"),
            &Form1::setcosts_Click);
    addItem(options, QStringLiteral("selcolours"), QStringLiteral("Set &Colours"),
            &Form1::selcolours_Click);

    QMenu* disp = menuBar()->addMenu(QStringLiteral("&Display"));
    disp->setObjectName(QStringLiteral("disp"));
    m_swritten = addItem(disp, QStringLiteral("swritten"), QStringLiteral("&Written Log"),
                         &Form1::Command3_Click, QKeySequence(Qt::CTRL | Qt::Key_W));
    m_stable = addItem(disp, QStringLiteral("stable"), QStringLiteral("&Table Log"),
                       &Form1::Command4_Click, QKeySequence(Qt::CTRL | Qt::Key_T));
    m_sstat = addItem(disp, QStringLiteral("sstat"), QStringLiteral("&Statistics"),
                      &Form1::Command5_Click, QKeySequence(Qt::CTRL | Qt::Key_S));
    m_grash = addItem(disp, QStringLiteral("grash"), QStringLiteral("&Graph"),
                      &Form1::Command6_Click, QKeySequence(Qt::CTRL | Qt::Key_G));
    for (QAction* view : {m_swritten, m_stable, m_sstat, m_grash})
        view->setCheckable(true);
    addItem(disp, QStringLiteral("menurefresh"), QStringLiteral("&Refresh"),
            &Form1::menurefresh_Click, QKeySequence(Qt::Key_F5));

    m_popbit = menuBar()->addMenu(QStringLiteral("Selected &Connections"));
    m_popbit->setObjectName(QStringLiteral("popbit"));
    addItem(m_popbit, QStringLiteral("enterit"),
            QStringLiteral("&Edit extra connection information"), &Form1::enterit_Click);
    addItem(m_popbit, QStringLiteral("reminfo"),
            QStringLiteral("&Remove extra connection information"), &Form1::reminfo_Click);
    addItem(m_popbit, QStringLiteral("viewtarif"),
            QStringLiteral("&View tarif for selected connection(s)"), &Form1::viewtarif_Click);
    m_popbit->setEnabled(false);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("help"));
    addItem(help, QStringLiteral("helpcont"), QStringLiteral("&Contents"), &Form1::helpcont_Click);
    addItem(help, QStringLiteral("webpage"), QStringLiteral("Dialtrak on the &Web"),
            &Form1::webpage_Click);
    addItem(help, QStringLiteral("about"), QStringLiteral("&About"), &Form1::about_Click);

    // Pop-up menus only: never in the menu bar.
    m_ttt = new QMenu(QStringLiteral("tip"), this);
    m_ttt->setObjectName(QStringLiteral("ttt"));
    addItem(m_ttt, QStringLiteral("cclick"), QStringLiteral("&Sort the table by this column"),
            &Form1::cclick_Click);
    addItem(m_ttt, QStringLiteral("popcancel"), QStringLiteral("&Cancel"), &Form1::popcancel_Click);
    m_nosel = new QMenu(QStringLiteral("There are no selections"), this);
    m_nosel->setObjectName(QStringLiteral("nosel"));
    m_nosel->setTitle(QStringLiteral("There are no selections"));
    addItem(m_nosel, QStringLiteral("arntanygovner"),
            QStringLiteral("There are no connections selected"), &Form1::arntanygovner_Click);

    m_written->setContextMenus(m_popbit, m_nosel);
    m_grid->setSortMenu(m_ttt);
}

void Form1::buildViewTable()
{
    m_views[size_t(View::Written)] = {.showIn = kWritten,
                                      .button = m_command3,
                                      .item = m_swritten,
                                      .container = m_written,
                                      .focus = m_written->list(),
                                      .fill = &Form1::fillWritten};
    m_views[size_t(View::Table)] = {.showIn = kTable,
                                    .button = m_command4,
                                    .item = m_stable,
                                    .container = m_grid,
                                    .focus = m_grid->grid(),
                                    .fill = &Form1::fillTable};
    m_views[size_t(View::Statistics)] = {.showIn = kStat,
                                         .button = m_command5,
                                         .item = m_sstat,
                                         .container = m_stats,
                                         .focus = m_stats->since(),
                                         .fill = &Form1::fillStatistics};
    m_views[size_t(View::Graph)] = {.showIn = kGraph,
                                    .button = m_command6,
                                    .item = m_grash,
                                    .container = m_graph,
                                    .focus = m_graph->picture(),
                                    .fill = &Form1::fillGraph};
}

void Form1::startup()
{
    setProgress(0);
    setProgressEnabled(true);
    m_scheme.load(m_services.settings);
    imcols();
    placeWindow();
    show();
    if (!isMaximized())
        fitToScreen(geometry());
    repaint();
    splashfrm splash(this);
    splash.showNow();
    // A folder of journal files given on the command line is read this once, not stored.
    useSource(LoadSession::chosen(m_services.settings, m_journalDirectory));
    const QStringList unreadableAmounts = m_tariff.load(m_services.settings, *this);
    if (!unreadableAmounts.isEmpty())
        tell(LoadMessages::unreadableAmounts(unreadableAmounts));
    load(Interaction::Told, LogLoader::Notes::Everywhere);
    displaywhere();
    splash.hide();
    unsetCursor();
}

void Form1::setNotifier(Notifier* notifier)
{
    m_budgetwarning->setNotifier(notifier);
}

void Form1::imcols()
{
    const ViewColours colours = ViewColours::from(m_scheme);
    m_grid->setColours(colours);
    m_written->setColours(colours);
    m_graph->setColours(colours);
    m_stats->setstatcols(colours);
}

void Form1::bringToFront()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void Form1::lookinlog(Interaction interaction)
{
    load(interaction, LogLoader::Notes::AsCosted);
}

void Form1::load(Interaction interaction, LogLoader::Notes notes)
{
    const bool live = interaction == Interaction::Quiet;
    const LoadReport& report =
        m_session.load(notes, live ? LogLoader::Reading::Live : LogLoader::Reading::Asked);
    // Also when the modem log could not be opened: the figures must not go on describing
    // connections the emptied table no longer holds.
    m_stats->refresh();
    m_billPanel->refresh();
    m_budgetwarning->check(m_table, m_tariff.appliedBillPlan(), m_services.clock.today());
    updateCallInProgress();
    if (live) {
        // News of a live source: only what went wrong is told now, the rest at the next Refresh.
        for (const LoadMessages::Message& message : m_session.news())
            tell(message);
        return;
    }
    if (!report.modemLogOpened) {
        askForModemLog();
        return;
    }
    setWindowTitle(QStringLiteral("Dialtrak - viewing log file ") +
                   m_session.source().description());
    for (const LoadMessages::Message& message : m_session.news())
        tell(message);
}

void Form1::tell(const LoadMessages::Message& message)
{
    m_services.prompter.message(message.text, message.warning ? Prompter::Icon::Warning
                                                              : Prompter::Icon::Information);
}

void Form1::askForModemLog()
{
    // Offered first, where this computer's own calls are in its journal: no file to look for.
    if (m_session.choice().nothingChosen() && offerThisComputersConnections())
        return;
    m_services.prompter.message(m_session.source().choosePrompt(m_session.lastReport().sourceError),
                                Prompter::Icon::Warning);
    // Apply in an open selection window: the user is already choosing, so a second window
    // over the first would only trap them.
    if (m_openSelection && m_openSelection->isVisible())
        return;
    openSelectionWindow();
    m_services.prompter.message(
        QStringLiteral("You will need to set your phone tarifs and times by clicking \"Set Phone "
                       "Tarifs and Times\" on the Options menu."));
}

void Form1::openSelectionWindow()
{
    Selectlogfrm window(m_services.settings, m_services.shortcuts, this);
    window.setReloadHandler([this](const SourceChoice& choice) {
        checkSettingsSaved();
        useSource(choice);
        lookinlog();
        displaywhere();
    });
    Selectlogfrm* outer = m_openSelection;
    m_openSelection = &window;
    window.exec();
    m_openSelection = outer;
}

void Form1::useSource(const SourceChoice& choice)
{
    m_watch.reset();
    m_session.use(choice);
    // News of a live source is read a moment after it first comes, so a burst of lines is read
    // once; later news does not put the read off, or a log written every second would never be.
    m_watch = m_session.source().watch();
    if (m_watch)
        connect(m_watch.get(), &SourceWatch::changed, this, [this] {
            if (!m_liveRefresh.isActive())
                m_liveRefresh.start(LiveRefreshDelayMs);
        });
}

bool Form1::offerThisComputersConnections()
{
    const std::optional<SourceChoice::Offer> offer = SourceChoice::offerOnThisComputer();
    if (!offer)
        return false;
    const Prompter::Answer answer = m_services.prompter.message(
        offer->question, Prompter::Icon::None, Prompter::Buttons::YesNo, Prompter::Answer::Yes);
    if (answer != Prompter::Answer::Yes)
        return false;
    offer->choice.save(m_services.settings);
    checkSettingsSaved();
    useSource(offer->choice);
    lookinlog();
    displaywhere();
    return true;
}

void Form1::refreshLive()
{
    // Never under an open menu, an editor or any other window the user is busy with.
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget() ||
        (m_openSelection && m_openSelection->isVisible())) {
        m_liveRefresh.start(LiveRefreshDelayMs);
        return;
    }
    const QList<int> selected = m_written->selectedConnections();
    lookinlog(Interaction::Quiet);
    refillShownView();
    m_written->reselect(selected);
}

void Form1::updateCallInProgress()
{
    const QString text =
        m_session.hasSource()
            ? CallInProgress::statusText(m_session.lastReport().callsInProgress, m_session.coster(),
                                         m_services.clock.now())
            : QString();
    // Under whatever an operation shows while it runs, and back when it is done.
    m_statusLine->setRestingText(text);
    if (text.isEmpty())
        m_callTimer.stop();
    else if (!m_callTimer.isActive())
        m_callTimer.start(1000);
}

void Form1::checkSettingsSaved()
{
    QString reason;
    if (!m_services.settings.sync(&reason))
        m_services.prompter.message(m_services.settings.notSavedMessage(reason),
                                    Prompter::Icon::Warning);
}

void Form1::displaywhere()
{
    const QString view = m_services.settings.read(kDisplay, kShowIn, kWritten);
    // Any other value leaves the views as they are.
    for (size_t i = 0; i < m_views.size(); ++i) {
        if (m_views[i].showIn == view) {
            switchTo(View(i));
            return;
        }
    }
}

void Form1::switchTo(View view)
{
    const ViewEntry& chosen = m_views[size_t(view)];
    for (const ViewEntry& entry : m_views)
        entry.item->setChecked(&entry == &chosen);
    m_services.settings.write(kDisplay, kShowIn, chosen.showIn);
    for (const ViewEntry& entry : m_views)
        entry.container->setVisible(&entry == &chosen);
    (this->*chosen.fill)();
    for (const ViewEntry& entry : m_views)
        entry.button->setEnabled(&entry != &chosen);
    m_popbit->setEnabled(view == View::Written);
    chosen.focus->setFocus();
}

// The view on show, filled again without moving the keyboard focus the user has put elsewhere.
void Form1::refillShownView()
{
    for (const ViewEntry& entry : m_views) {
        if (entry.item->isChecked())
            (this->*entry.fill)();
    }
}

void Form1::fillWritten()
{
    if (!m_table.writtenViewCurrent)
        m_written->displaywritten(m_tariff.twelveHour());
}

void Form1::fillTable()
{
    if (!m_table.tableViewCurrent)
        m_grid->displaygrid(m_tariff.twelveHour());
}

void Form1::fillStatistics()
{
    // The figures are those of the last load or scroll-bar move.
    m_stats->statload();
}

void Form1::fillGraph()
{
    m_graph->graphload();
}

void Form1::Command3_Click()
{
    switchTo(View::Written);
}

void Form1::Command4_Click()
{
    switchTo(View::Table);
}

void Form1::Command5_Click()
{
    switchTo(View::Statistics);
}

void Form1::Command6_Click()
{
    switchTo(View::Graph);
}

void Form1::setStatus(const QString& text)
{
    m_statusLine->setStatus(text);
}

void Form1::setProgress(int percent)
{
    m_statusLine->setProgress(percent);
}

void Form1::setProgressEnabled(bool enabled)
{
    m_statusLine->setProgressEnabled(enabled);
}

void Form1::placeWindow()
{
    SettingsStore& settings = m_services.settings;
    const auto stored = [&settings](const QString& key, int fallback) {
        bool ok = false;
        const int value = settings.read(kDisplay, key, QString()).toInt(&ok);
        return ok ? value : fallback;
    };
    const QRect wanted(stored(QStringLiteral("Left"), x()), stored(QStringLiteral("Top"), y()),
                       stored(QStringLiteral("Width"), width()),
                       stored(QStringLiteral("Height"), height()));
    fitToScreen(wanted);
    if (stored(QStringLiteral("Maximised"), 0) == 1)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void Form1::fitToScreen(const QRect& wanted)
{
    QScreen* screen = QGuiApplication::screenAt(wanted.center());
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    // The frame is known only once the window is shown; it must fit on the screen too.
    const QRect frame = frameGeometry();
    const QMargins margins(geometry().left() - frame.left(), geometry().top() - frame.top(),
                           frame.right() - geometry().right(),
                           frame.bottom() - geometry().bottom());
    setGeometry(WindowPlacement::fit(wanted.marginsAdded(margins), screen->availableGeometry())
                    .marginsRemoved(margins));
}

void Form1::rememberPlace()
{
    const QRect place = normalGeometry();
    m_services.settings.write(kDisplay, QStringLiteral("Left"), QString::number(place.x()));
    m_services.settings.write(kDisplay, QStringLiteral("Top"), QString::number(place.y()));
    m_services.settings.write(kDisplay, QStringLiteral("Width"), QString::number(place.width()));
    m_services.settings.write(kDisplay, QStringLiteral("Height"), QString::number(place.height()));
    m_services.settings.write(kDisplay, QStringLiteral("Maximised"),
                              isMaximized() ? QStringLiteral("1") : QStringLiteral("0"));
}

void Form1::closeEvent(QCloseEvent* event)
{
    rememberPlace();
    if (!m_session.hasSource()) { // closed before it ever loaded
        event->accept();
        return;
    }
    m_liveRefresh.stop();
    m_callTimer.stop();
    if (!m_exitRequested) {
        if (const std::optional<LoadMessages::Message> failed = m_session.unload())
            tell(*failed);
    }
    event->accept();
}

void Form1::newlog_Click()
{
    const Prompter::Answer save = m_services.prompter.message(
        m_session.source().newLogExplanation() +
            QStringLiteral("\n\nIf you have not already done so, do you want to save "
                           "the current connections as a text file now?"),
        Prompter::Icon::None, Prompter::Buttons::YesNoCancel);
    if (save == Prompter::Answer::Yes) {
        if (m_table.isEmpty())
            m_services.prompter.message(QStringLiteral("There are no connections to save."));
        else
            saveastext_Click();
        return;
    }
    if (save != Prompter::Answer::No)
        return;
    const Prompter::Answer sure = m_services.prompter.message(
        QStringLiteral("This command cannot be undone.\n\nAre you sure you want to start a fresh "
                       "log?"),
        Prompter::Icon::None, Prompter::Buttons::YesNo, Prompter::Answer::No);
    if (sure != Prompter::Answer::Yes)
        return;
    // Calls made since the last load decide what a full table leaves over for the new log.
    if (m_session.sourceChanged())
        lookinlog();
    const bool started = m_session.startnew();
    if (!started)
        m_services.prompter.message(QStringLiteral("Could not delete the log file."));
    // Reloaded either way, so the views show what the files now hold; success only when it was.
    lookinlog();
    displaywhere();
    if (started)
        m_services.prompter.message(QStringLiteral("New log created successfully."));
}

void Form1::saveastext_Click()
{
    if (m_table.connectioncount() == 0)
        return;
    savelogfrm window(m_table, m_tariff.twelveHour(), m_services.prompter,
                      ExportFolder(m_services.settings).start(), this);
    window.exec();
    if (window.saved())
        rememberExportFolder(window.exportPath());
}

void Form1::rememberExportFolder(const QString& path)
{
    if (ExportFolder(m_services.settings).remember(path))
        checkSettingsSaved();
}

void Form1::exportcsv_Click()
{
    if (m_table.isEmpty()) {
        m_services.prompter.message(QStringLiteral("There are no connections to export."));
        return;
    }
    QFileDialog dialog(this, QStringLiteral("Export Connections as CSV"));
    dialog.setObjectName(QStringLiteral("exportcsvdialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("CSV files (*.csv)"));
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.setDirectory(ExportFolder(m_services.settings).start());
    dialog.selectFile(TextExport::fileName(m_table, QStringLiteral(".csv")));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    QString error;
    if (CsvExport::save(path, m_table, &error)) {
        m_services.prompter.message(QStringLiteral("Connections were exported to ") + path);
        rememberExportFolder(path);
    } else
        m_services.prompter.message(QStringLiteral("The connections could not be exported to ") +
                                        path + QStringLiteral(" (") + error +
                                        QStringLiteral("). No file was changed."),
                                    Prompter::Icon::Warning);
}

void Form1::printconnect_Click()
{
    const std::optional<QStringList> lines =
        ConnectionPrinter::documentLines(m_table, m_tariff.twelveHour(), m_services.clock.now());
    if (!lines || !ConnectionPrinter::printconnect(*lines))
        m_services.prompter.message(ConnectionPrinter::failureMessage());
}

void Form1::cleanlog_Click()
{
    const ConnectionSource::Compaction compaction = m_session.source().compact(*this);
    if (!compaction.failure.isEmpty())
        m_services.prompter.message(compaction.failure, Prompter::Icon::Warning);
    if (!compaction.shown.isEmpty())
        showFile(compaction.shown);
}

void Form1::viewdtklog_Click()
{
    showFile(m_session.source().ownLogPath());
}

void Form1::showFile(const QString& path)
{
    // Without a desktop application for the file, the program's own viewer shows it.
    if (!m_services.launcher.openFile(path) && !TextViewer::showFile(path, this))
        m_services.prompter.message(QStringLiteral("The file ") + path +
                                        QStringLiteral(" could not be opened."),
                                    Prompter::Icon::Warning);
}

void Form1::exit_Click()
{
    // Ends the program without the unload step: the modem log is left as it is.
    m_exitRequested = true;
    close();
}

void Form1::selectlog_Click()
{
    openSelectionWindow();
}

void Form1::setcosts_Click()
{
    m_setcostsform->exec();
}

void Form1::menurefresh_Click()
{
    lookinlog();
    displaywhere();
}

bool Form1::notesCanChange()
{
    if (m_session.lastReport().notesUsable)
        return true;
    tell(LoadMessages::notesLocked());
    return false;
}

void Form1::enterit_Click()
{
    if (notesCanChange() && m_extraInfoEditor->enterit(m_written->selectedLines()))
        m_written->displaywritten(m_tariff.twelveHour());
}

void Form1::reminfo_Click()
{
    if (notesCanChange() && m_extraInfoEditor->reminfo(m_written->selectedLines()))
        m_written->displaywritten(m_tariff.twelveHour());
}

void Form1::viewtarif_Click()
{
    const QList<TariffView::Message> messages =
        TariffView::messages(m_written->selectedLines(), m_table, m_tariff);
    for (const TariffView::Message& message : messages)
        m_services.prompter.message(message.text, message.rateShown ? Prompter::Icon::None
                                                                    : Prompter::Icon::Warning);
}

void Form1::cclick_Click()
{
    m_grid->grid_click();
}

void Form1::popcancel_Click()
{
    m_grid->popcancel();
}

void Form1::selcolours_Click()
{
    setcolours window(m_services.settings, this);
    window.setApplyHandler([this](const ColourScheme& scheme) {
        checkSettingsSaved();
        m_scheme = scheme;
        imcols();
        m_graph->graphload();
    });
    window.exec();
}

void Form1::helpcont_Click()
{
    const ConnectionSource& source = m_session.source();
    const bool chosen = !source.description().isEmpty();
    helpfrm window(HelpText::text({.settingsFile = m_services.settings.fileName(),
                                   .modemLog = source.description(),
                                   .ownLog = chosen ? source.ownLogPath() : QString(),
                                   .notes = chosen ? source.notesPath() : QString(),
                                   .homePage = m_weblink1->address()}),
                   this);
    window.exec();
}

void Form1::webpage_Click()
{
    m_weblink1->gotodtkhome();
}

void Form1::about_Click()
{
    Aboutform window(m_services.homePage, this);
    window.exec();
}
