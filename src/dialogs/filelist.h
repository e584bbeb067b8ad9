#pragma once

#include <QListWidget>
#include <QString>
#include <QStringList>

// The files of one directory whose names match a pattern list such as "*.log;*.txt". Names
// match whatever their case, as they do on the file systems modem logs come from.
class FileList : public QListWidget
{
    Q_OBJECT
public:
    explicit FileList(QWidget* parent = nullptr);

    // Patterns separated by ";"; the list is refilled.
    void setPattern(const QString& pattern);
    QString path() const { return m_path; }
    // False, and the list as it was, when there is no such directory.
    bool setPath(const QString& path);
    void refresh();

    QStringList fileNames() const;
    // Empty when no file is selected.
    QString selectedFileName() const;
    // Selects the file of that name when it is listed.
    void selectFile(const QString& fileName);

    static bool matches(const QString& fileName, const QString& pattern);

Q_SIGNALS:
    void fileDoubleClicked(const QString& fileName);

private:
    QString m_pattern = QStringLiteral("*");
    QString m_path;
};
