#include "programdirectory.h"

#include "programinfo.h"

#include <QDir>
#include <QStandardPaths>

QString ProgramDirectory::path()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QLatin1Char('/') + ProgramInfo::storeName();
}

bool ProgramDirectory::ensureExists(const QString& directory)
{
    return QDir().mkpath(directory);
}
