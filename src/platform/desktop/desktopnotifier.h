#pragma once

#include "platform/notifier.h"

// The freedesktop notification service (org.freedesktop.Notifications) on the session bus.
class DesktopNotifier : public Notifier
{
public:
    void notify(const QString& summary, const QString& body) override;
};
