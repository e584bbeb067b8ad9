#include "connectionsource.h"

QString ConnectionSource::choosePrompt(const QString& reason) const
{
    return reason + QStringLiteral(" Please choose where Dialtrak finds your connections.");
}

QString ConnectionSource::unreadableMessage(const QString& reason) const
{
    return QStringLiteral("%1 cannot be read. %2").arg(description(), reason).trimmed();
}
