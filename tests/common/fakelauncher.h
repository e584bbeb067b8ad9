#pragma once

#include "platform/launcher.h"
#include "platform/shortcutmaker.h"

#include <QList>
#include <QStringList>

class FakeLauncher : public Launcher
{
public:
    QStringList openedFiles;
    QList<QUrl> openedUrls;
    bool succeed = true;

    bool openFile(const QString& path) override
    {
        openedFiles << path;
        return succeed;
    }
    bool openUrl(const QUrl& url) override
    {
        openedUrls << url;
        return succeed;
    }
};

class FakeShortcutMaker : public ShortcutMaker
{
public:
    QString target;
    QString title;
    int created = 0;

    void setTargetPath(const QString& path) override { target = path; }
    void setTitle(const QString& t) override { title = t; }
    bool create() override
    {
        ++created;
        return true;
    }
};
