// Opens the program as main() does, on the profile the environment names, at a fixed "now", and
// saves a picture of each view: the statistics count back from today, so a fixed day keeps the
// pictures the same whenever they are remade.
#include "app/form1.h"
#include "platform/clock.h"
#include "platform/desktop/desktoplauncher.h"
#include "platform/homepage.h"
#include "platform/programdirectory.h"
#include "platform/prompter.h"
#include "platform/services.h"
#include "platform/settingsstore.h"
#include "platform/shortcutmaker.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <cstdio>

namespace
{
class FixedClock : public Clock
{
public:
    explicit FixedClock(const QDateTime& now) : m_now(now) {}
    QDateTime now() const override { return m_now; }

private:
    QDateTime m_now;
};

// The demo data asks no questions: any message box means the pictures would not show the views.
class RefusingPrompter : public Prompter
{
public:
    Answer message(const QString& text, Icon, Buttons, Answer) override
    {
        std::fprintf(stderr, "The program asked: %s\n", qPrintable(text));
        asked = true;
        return Answer::Cancel;
    }
    std::optional<QString> input(const QString& prompt, const QString&, const QString&) override
    {
        std::fprintf(stderr, "The program asked: %s\n", qPrintable(prompt));
        asked = true;
        return std::nullopt;
    }
    bool asked = false;
};

// Selects the connection lines of the last day in the written view, so its totals show.
void selectLastDay(QListWidget* list)
{
    for (int row = list->count() - 1; row >= 0 && !list->item(row)->text().trimmed().isEmpty();
         --row)
        list->item(row)->setSelected(true);
    list->scrollToBottom();
}

// Shows the last four weeks and the last fortnight, as a user would choose them.
void chooseStatisticsPeriods(QWidget* window)
{
    window->findChild<QSpinBox*>(QStringLiteral("since2"))->setValue(4);
    window->findChild<QScrollBar*>(QStringLiteral("since"))->setValue(14);
}
} // namespace

int main(int argc, char** argv)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const QDateTime now =
        args.size() == 3 ? QDateTime::fromString(args[1], Qt::ISODate) : QDateTime();
    if (!now.isValid()) {
        std::fprintf(stderr, "usage: dialtrak_screenshots <now, yyyy-mm-ddThh:mm:ss> <folder>\n");
        return 2;
    }
    const QDir out(args[2]);

    SettingsStore settings;
    FixedClock clock(now);
    RefusingPrompter prompter;
    DesktopLauncher launcher;
    DesktopShortcutMaker shortcuts;
    Services services{settings,
                      clock,
                      prompter,
                      launcher,
                      shortcuts,
                      ProgramDirectory::path(),
                      HomePage::locate(QCoreApplication::applicationDirPath())};
    Form1 window(services);
    window.startup();

    const QList<std::pair<QString, QString>> views{
        {QStringLiteral("Command3"), QStringLiteral("written.png")},
        {QStringLiteral("Command4"), QStringLiteral("table.png")},
        {QStringLiteral("Command5"), QStringLiteral("statistics.png")},
        {QStringLiteral("Command6"), QStringLiteral("graph.png")}};
    bool saved = true;
    for (const auto& [button, file] : views) {
        auto* shows = window.findChild<QPushButton*>(button);
        if (!shows) {
            std::fprintf(stderr, "No button %s\n", qPrintable(button));
            return 1;
        }
        shows->click();
        if (button == QLatin1String("Command3"))
            selectLastDay(window.findChild<QListWidget*>(QStringLiteral("start")));
        if (button == QLatin1String("Command5"))
            chooseStatisticsPeriods(&window);
        QApplication::processEvents();
        saved = window.grab().save(out.filePath(file)) && saved;
        std::printf("%s\n", qPrintable(out.filePath(file)));
    }
    return saved && !prompter.asked ? 0 : 1;
}
