#pragma once

#include "app/form1.h"
#include "fakelauncher.h"
#include "fixedclock.h"
#include "modemlogbuilder.h"
#include "platform/services.h"
#include "platform/settingsstore.h"
#include "platform/textfile.h"
#include "scriptedprompter.h"

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

// Everything one run of the program needs, in a temporary directory, for the window tests.
struct Run {
    QTemporaryDir dir;
    SettingsStore settings{dir.filePath("Modemtally.conf")};
    FixedClock clock{QDateTime(QDate(2000, 4, 28), QTime(12, 0))};
    ScriptedPrompter prompter;
    FakeLauncher launcher;
    FakeShortcutMaker shortcuts;
    Services services{settings,
                      clock,
                      prompter,
                      launcher,
                      shortcuts,
                      dir.filePath("program"),
                      dir.filePath("docs/dialtrak.html")};
    QString modemLog = dir.filePath("Standard Modem.log");
    std::unique_ptr<Form1> window;

    void writeModemLog(const ModemLogBuilder& log)
    {
        QVERIFY(TextFile::writeBytes(modemLog, log.bytes()));
    }
    void start(bool withLogPath = true)
    {
        if (withLogPath)
            settings.write("Logfile", "Path", modemLog);
        window = std::make_unique<Form1>(services);
        window->startup();
    }
    template <typename T> T* child(const QString& name) const
    {
        return window->findChild<T*>(name);
    }
    QAction* action(const QString& name) const { return child<QAction>(name); }
    QByteArray modemLogBytes() const { return *TextFile::readBytes(modemLog); }
};

// Acts on the next modal window as soon as it runs, then closes it. It waits for the window to
// be shown: queued calls may run before (the splash window lets them run during start-up).
inline void onNextModal(std::function<void(QWidget*)> act)
{
    class Watcher : public QObject
    {
    public:
        explicit Watcher(std::function<void(QWidget*)> act) : QObject(qApp), m_act(std::move(act))
        {
            qApp->installEventFilter(this);
        }

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() != QEvent::Show || !watched->isWidgetType())
                return false;
            auto* window = static_cast<QWidget*>(watched);
            if (!window->isWindow() || !window->isModal())
                return false;
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, window, [act = m_act, window] {
                act(window);
                if (window->isVisible())
                    window->close();
            });
            deleteLater();
            return false;
        }

    private:
        std::function<void(QWidget*)> m_act;
    };
    new Watcher(std::move(act));
}
