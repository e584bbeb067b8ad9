#pragma once

#include "platform/launcher.h"

class DesktopLauncher : public Launcher
{
public:
    bool openFile(const QString& path) override;
    bool openUrl(const QUrl& url) override;
};
