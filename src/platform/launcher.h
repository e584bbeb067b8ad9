#pragma once

#include <QString>
#include <QUrl>

// Opens a file in the desktop's editor for it, or a web page in the browser.
class Launcher
{
public:
    virtual ~Launcher() = default;
    virtual bool openFile(const QString& path) = 0;
    virtual bool openUrl(const QUrl& url) = 0;
};
