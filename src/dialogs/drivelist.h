#pragma once

#include <QComboBox>
#include <QStringList>

class QLabel;

// The drives of the machine as a drop-down list. Choosing a drive that cannot be read puts the
// previous one back and reports nothing, so whatever follows the drive stays as it was.
class DriveList : public QComboBox
{
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent = nullptr);

    // Lists these root paths instead of the machine's drives.
    void setDrives(const QStringList& roots);
    // The list's caption, to stand beside it in parent: a screen reader reads a drop-down list
    // by its caption, or else by its current entry alone ("/").
    QLabel* caption(QWidget* parent);
    // The chosen drive's root path ("/" on Linux, "C:/" on Windows).
    QString drive() const;
    // Chooses the listed drive that holds path; false (nothing changed) when none holds it or
    // it cannot be read.
    bool setDrive(const QString& path);

Q_SIGNALS:
    void driveChanged(const QString& drive);

private:
    void choose(int index);
    int indexHolding(const QString& path) const;
    static bool isReadable(const QString& root);

    int m_chosen = -1;
};
