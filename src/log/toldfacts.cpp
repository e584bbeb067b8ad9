#include "toldfacts.h"

#include "platform/settingsstore.h"

#include <QCryptographicHash>
#include <QStringList>
#include <algorithm>

namespace
{
const QString kSection = QStringLiteral("Told");

// Eight bytes of an item's digest: short enough that many items keep the setting small, long
// enough that a new item all but never passes for one told of.
QString digestOf(const QByteArray& item)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(item, QCryptographicHash::Sha256).first(8).toHex());
}
} // namespace

bool ToldFacts::takeNew(const QString& kind, const QList<QByteArray>& items)
{
    QStringList now;
    now.reserve(items.size());
    for (const QByteArray& item : items)
        now << digestOf(item);
    now.sort();
    QStringList before = told(kind).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    before.sort();
    // Both sorted: each item now must find an equal one told of, a twin its own twin.
    const bool fresh = !std::includes(before.cbegin(), before.cend(), now.cbegin(), now.cend());
    if (now != before)
        remember(kind, now.join(QLatin1Char(' ')));
    return fresh;
}

QString ToldFacts::told(const QString& kind) const
{
    return m_store ? m_store->read(kSection, kind, QString()) : m_memory.value(kind);
}

void ToldFacts::remember(const QString& kind, const QString& value)
{
    if (m_store)
        m_store->write(kSection, kind, value);
    else
        m_memory.insert(kind, value);
}
