#pragma once

#include <QString>

// Places a launcher for a program: given a target and a title, asked to create it.
class ShortcutMaker
{
public:
    virtual ~ShortcutMaker() = default;
    virtual void setTargetPath(const QString& path) = 0;
    virtual void setTitle(const QString& title) = 0;
    virtual bool create() = 0;
};

// Writes a freedesktop launcher, <title>.desktop, into the user's applications directory,
// unless the menu entry the installation gives the program already starts the target.
class DesktopShortcutMaker : public ShortcutMaker
{
public:
    void setTargetPath(const QString& path) override { m_target = path; }
    void setTitle(const QString& title) override { m_title = title; }
    bool create() override;
    // $XDG_DATA_HOME/applications
    static QString applicationsDirectory();
    // Whether the installed menu entry, dialtrak.desktop, found as the menu finds it, starts
    // this program.
    static bool menuStarts(const QString& target);

private:
    QString m_target;
    QString m_title;
};
