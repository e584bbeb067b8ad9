#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

class SettingsStore;

// The standing facts the user has been told of (lines of the own log that cannot be read, say),
// each kind as the items it was about, so that a fact is told again only when an item comes
// that was not told of. Kept for this run only, or in the settings store across runs.
class ToldFacts
{
public:
    ToldFacts() = default;
    explicit ToldFacts(SettingsStore& store) : m_store(&store) {}

    // Whether `items` hold one not told of under `kind`, counting equal items apart; from now
    // on these items, and only they, count as told. No items forget the kind: its fact is over.
    bool takeNew(const QString& kind, const QList<QByteArray>& items);

private:
    QString told(const QString& kind) const;
    void remember(const QString& kind, const QString& value);

    SettingsStore* m_store = nullptr;
    QHash<QString, QString> m_memory;
};
