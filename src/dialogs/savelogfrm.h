#pragma once

#include <QDialog>
#include <QString>

class ConnectionTable;
class DirectoryList;
class DriveList;
class Prompter;
class QLabel;
class QPushButton;

// "Save Connection Information as Text File": picks the directory the connection list is
// exported to; the file name comes from the first and last connection's dates.
class savelogfrm : public QDialog
{
    Q_OBJECT
public:
    // Opens on startFolder.
    savelogfrm(const ConnectionTable& table, bool twelveHour, Prompter& prompter,
               const QString& startFolder, QWidget* parent = nullptr);

    // Where OK writes: the highlighted directory and the export file name.
    QString exportPath() const;
    // OK wrote the file.
    bool saved() const { return m_saved; }

private:
    void Form_Load(const QString& startFolder);
    void Drive1_Change(const QString& drive);
    void showDestination();
    void cmdOK_Click();

    const ConnectionTable& m_table;
    const bool m_twelveHour;
    Prompter& m_prompter;
    QString m_fileName;
    bool m_saved = false;

    QLabel* m_label1;
    DriveList* m_drive1;
    DirectoryList* m_dir1;
    QLabel* m_label2;
    QLabel* m_text1;
    QLabel* m_folder;
    QPushButton* m_cmdOK;
    QPushButton* m_command2;
};
