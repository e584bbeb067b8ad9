#pragma once

#include "sources/sourcechoice.h"

#include <QDialog>
#include <QString>
#include <functional>

class DirectoryList;
class DriveList;
class FileList;
class QCheckBox;
class QLabel;
class QPushButton;
class SettingsStore;
class ShortcutMaker;

// "Select Modem Log file": chooses the modem log the program reads (or a system log file holding
// pppd's or ModemManager's records, told apart by its contents, or this computer's own PPP and
// mobile connections in its journal), stores the choice and has the owner reload the table with it.
class Selectlogfrm : public QDialog
{
    Q_OBJECT
public:
    using ReloadHandler = std::function<void(const SourceChoice& choice)>;

    Selectlogfrm(SettingsStore& settings, ShortcutMaker& shortcuts, QWidget* parent = nullptr);

    // Called with the choice by OK (after the window is hidden) and by Apply.
    void setReloadHandler(ReloadHandler handler) { m_reload = std::move(handler); }
    // Shown and waiting for a choice: a reload started by Apply must not open another selection
    // window over this one.
    bool isOpen() const { return isVisible(); }
    // The directory list's path and the selected file's name.
    QString chosenPath() const;

    static QString modemPattern() { return QStringLiteral("*modem*.log;*modem*.txt"); }
    static QString allPattern() { return QStringLiteral("*.log;*.txt"); }
    // System logs such as /var/log/syslog have no extension.
    static QString everyFilePattern() { return QStringLiteral("*"); }

private:
    void Form_Load();
    void Drive1_Change(const QString& drive);
    void Dir1_Change(const QString& path);
    void Check1_Click(bool ticked);
    void Check2_Click(bool ticked);
    // "This Computer's PPP and Mobile Connections": the journal, chosen at once.
    void Command3_Click();
    void applyFilePattern();
    void cmdOK_Click();
    void Command1_Click();
    // OK and Apply only once a file is chosen.
    void enableChoice();
    // Stores the choice of the file chosen; returns it for the reload.
    SourceChoice choose();
    // Makes the launcher, as OK does.
    void placeShortcut();

    SettingsStore& m_settings;
    ShortcutMaker& m_shortcuts;
    ReloadHandler m_reload;

    QLabel* m_label1;
    DriveList* m_drive1;
    DirectoryList* m_dir1;
    FileList* m_file1;
    QCheckBox* m_check1;
    QCheckBox* m_check2;
    QPushButton* m_command3;
    QPushButton* m_cmdOK;
    QPushButton* m_command1;
    QPushButton* m_command2;
};
