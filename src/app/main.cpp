#include "commandline.h"
#include "form1.h"
#include "platform/clock.h"
#include "platform/desktop/desktoplauncher.h"
#include "platform/desktop/desktopnotifier.h"
#include "platform/desktop/messageboxprompter.h"
#include "platform/homepage.h"
#include "platform/programdirectory.h"
#include "platform/programinfo.h"
#include "platform/services.h"
#include "platform/settingsstore.h"
#include "platform/shortcutmaker.h"
#include "report/commandreport.h"
#include "singleinstance.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine::Parsed command = CommandLine::parse(arguments);
    if (command.mode != CommandLine::Mode::Window)
        return CommandLine::run(argc, argv, command);
    // The toolkit would abort in its platform plugin.
    if (const std::optional<QString> why = CommandLine::noDisplay(command)) {
        CommandLine::complain(*why);
        return CommandReport::Failure;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(ProgramInfo::title());
    QApplication::setApplicationVersion(ProgramInfo::version());
    QIcon icon;
    icon.addFile(QStringLiteral(":/48x48/apps/dialtrak.png"));
    icon.addFile(QStringLiteral(":/256x256/apps/dialtrak.png"));
    QApplication::setWindowIcon(icon);

    SettingsStore settings;
    SystemClock clock;
    MessageBoxPrompter prompter;
    DesktopLauncher launcher;
    DesktopShortcutMaker shortcuts;
    Services services{settings,
                      clock,
                      prompter,
                      launcher,
                      shortcuts,
                      ProgramDirectory::path(),
                      HomePage::locate(QCoreApplication::applicationDirPath())};

    // Two windows on one profile would each write back their own copy of its files.
    SingleInstance instance(settings.fileName() + QLatin1Char('\n') + services.programDirectory);
    switch (instance.claim(command.journalDirectory)) {
    case SingleInstance::Role::First:
        break;
    case SingleInstance::Role::Shown:
        return CommandReport::Success;
    case SingleInstance::Role::Elsewhere:
        CommandLine::complain(
            QStringLiteral("Dialtrak is already running with these settings and reads other "
                           "connections than the journal files of %1. Close it and start again, "
                           "or use --report or --summary, which read them without a window.")
                .arg(command.journalDirectory));
        return CommandReport::Failure;
    case SingleInstance::Role::Unreachable:
        QMessageBox::warning(nullptr, ProgramInfo::title(),
                             QStringLiteral("Dialtrak is already running with these settings, but "
                                            "it does not answer. Close it (or end it) and start "
                                            "Dialtrak again."));
        return CommandReport::Failure;
    }

    DesktopNotifier notifier;
    Form1 window(services);
    window.setNotifier(&notifier);
    // pppd's and ModemManager's records of the journal files in a folder (a disk from another
    // machine), for this run only, as `journalctl -D` reads them.
    window.setJournalDirectory(command.journalDirectory);
    QObject::connect(&instance, &SingleInstance::showRequested, &window, &Form1::bringToFront);
    prompter.setParent(&window);
    window.startup();
    return app.exec();
}
