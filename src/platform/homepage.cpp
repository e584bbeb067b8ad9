#include "homepage.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace
{
const QString kPage = QStringLiteral("dialtrak.html");
} // namespace

QString HomePage::locate(const QString& programDirectory)
{
    const QDir program(programDirectory);
    const QString built = program.filePath(QStringLiteral("docs/") + kPage);
    if (QFileInfo(built).isFile())
        return QDir::cleanPath(program.absoluteFilePath(built));
    return QDir::cleanPath(
        program.absoluteFilePath(QStringLiteral("../share/doc/dialtrak/") + kPage));
}

QString HomePage::address(const QString& page)
{
    return QUrl::fromLocalFile(page).toString();
}
