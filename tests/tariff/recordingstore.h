#pragma once

#include "platform/settingsstore.h"

#include <QStringList>

// A settings store on a file of its own that records the keys it is asked for, in order.
class RecordingStore : public SettingsStore
{
public:
    using SettingsStore::SettingsStore;

    QString read(const QString& section, const QString& key,
                 const QString& defaultValue) const override
    {
        reads << section + QLatin1Char('/') + key;
        return SettingsStore::read(section, key, defaultValue);
    }
    void write(const QString& section, const QString& key, const QString& value) override
    {
        writes << section + QLatin1Char('/') + key;
        SettingsStore::write(section, key, value);
    }

    mutable QStringList reads;
    QStringList writes;
};
