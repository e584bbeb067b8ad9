#include "desktoplauncher.h"

#include <QDesktopServices>

bool DesktopLauncher::openFile(const QString& path)
{
    // No shell: the path goes to the desktop as it is, whatever characters it holds.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool DesktopLauncher::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}
