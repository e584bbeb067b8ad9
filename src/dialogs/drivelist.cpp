#include "drivelist.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>

DriveList::DriveList(QWidget* parent) : QComboBox(parent)
{
    QStringList roots;
    const QFileInfoList drives = QDir::drives();
    for (const QFileInfo& info : drives)
        roots << info.absoluteFilePath();
    setDrives(roots);
    connect(this, &QComboBox::activated, this, &DriveList::choose);
}

void DriveList::setDrives(const QStringList& roots)
{
    clear();
    for (const QString& root : roots)
        addItem(QDir::toNativeSeparators(root), root);
    m_chosen = count() > 0 ? 0 : -1;
    setCurrentIndex(m_chosen);
}

QLabel* DriveList::caption(QWidget* parent)
{
    auto* label = new QLabel(QStringLiteral("&Drive:"), parent);
    label->setBuddy(this);
    return label;
}

QString DriveList::drive() const
{
    return m_chosen < 0 ? QString() : itemData(m_chosen).toString();
}

bool DriveList::setDrive(const QString& path)
{
    const int index = indexHolding(path);
    if (index < 0 || !isReadable(itemData(index).toString()))
        return false;
    setCurrentIndex(index);
    if (index != m_chosen) {
        m_chosen = index;
        Q_EMIT driveChanged(drive());
    }
    return true;
}

void DriveList::choose(int index)
{
    if (index == m_chosen)
        return;
    if (index < 0 || !isReadable(itemData(index).toString())) {
        // A drive with no disk in it must not take the directory list with it.
        setCurrentIndex(m_chosen);
        return;
    }
    m_chosen = index;
    Q_EMIT driveChanged(drive());
}

int DriveList::indexHolding(const QString& path) const
{
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < count(); ++i) {
        const QString root = QDir::cleanPath(itemData(i).toString());
        const bool holds =
            absolute.compare(root, Qt::CaseInsensitive) == 0 ||
            absolute.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'),
                                Qt::CaseInsensitive);
        if (holds && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    return best;
}

bool DriveList::isReadable(const QString& root)
{
    const QFileInfo info(root);
    return info.isDir() && info.isReadable();
}
