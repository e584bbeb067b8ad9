#include "desktopnotifier.h"

#include "platform/programinfo.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

void DesktopNotifier::notify(const QString& summary, const QString& body)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    // No session bus, or no service on it: the status line still says it.
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout (-1: the
    // server's default).
    call << ProgramInfo::title() << quint32(0) << QStringLiteral("dialtrak") << summary << body
         << QStringList() << QVariantMap() << qint32(-1);
    // Sent without waiting for an answer: a missing service must not hold up the window.
    bus.send(call);
}
