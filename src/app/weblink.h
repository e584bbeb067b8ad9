#pragma once

#include <QObject>

class Launcher;
class Prompter;

// The main window's link to the program's home page, which the web browser opens.
class weblink : public QObject
{
    Q_OBJECT
public:
    weblink(Launcher& launcher, Prompter& prompter, const QString& homePage,
            QObject* parent = nullptr);

    // Opens the home page; when it cannot be opened, says where to find it.
    void gotodtkhome();
    // The home page as the address a browser takes.
    QString address() const;

private:
    Launcher& m_launcher;
    Prompter& m_prompter;
    QString m_homePage;
};
