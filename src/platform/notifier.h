#pragma once

#include <QString>

// Messages for the desktop's notification area, seen even while the window is not.
class Notifier
{
public:
    virtual ~Notifier() = default;
    // Nothing happens, and nothing is reported, where the desktop shows no notifications.
    virtual void notify(const QString& summary, const QString& body) = 0;
};
