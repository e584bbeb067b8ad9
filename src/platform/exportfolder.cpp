#include "exportfolder.h"

#include "settingsstore.h"

#include <QDir>
#include <QFileInfo>

namespace
{
const QString kSection = QStringLiteral("Export");
const QString kFolder = QStringLiteral("Folder");
} // namespace

QString ExportFolder::start() const
{
    const QString folder = m_store.read(kSection, kFolder, QString());
    // A folder since removed, or on a disk no longer mounted, would open the window nowhere.
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

bool ExportFolder::remember(const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (m_store.read(kSection, kFolder, QString()) == folder)
        return false;
    m_store.write(kSection, kFolder, folder);
    return true;
}
