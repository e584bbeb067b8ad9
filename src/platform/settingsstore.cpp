#include "settingsstore.h"

#include "programinfo.h"

#include <QSettings>

namespace
{
QString keyPath(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}
} // namespace

SettingsStore::SettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             ProgramInfo::storeName(), ProgramInfo::storeName()))
{
}

SettingsStore::SettingsStore(const QString& iniFilePath)
    : m_settings(std::make_unique<QSettings>(iniFilePath, QSettings::IniFormat))
{
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::read(const QString& section, const QString& key,
                            const QString& defaultValue) const
{
    const QVariant value = m_settings->value(keyPath(section, key));
    return value.isValid() ? value.toString() : defaultValue;
}

void SettingsStore::write(const QString& section, const QString& key, const QString& value)
{
    // QSettings writes the file from the event loop and on destruction; syncing after every
    // key would rewrite the whole file 178 times for one tariff save. A value that is already
    // stored is not written again: the view shown after every load is stored each time, and
    // each write would rewrite the file.
    const QString path = keyPath(section, key);
    const QVariant stored = m_settings->value(path);
    if (stored.isValid() && stored.toString() == value)
        return;
    m_settings->setValue(path, value);
}

QString SettingsStore::fileName() const
{
    return m_settings->fileName();
}

bool SettingsStore::sync(QString* error)
{
    m_settings->sync();
    if (m_settings->status() == QSettings::NoError)
        return true;
    if (error)
        *error = m_settings->status() == QSettings::AccessError
                     ? QStringLiteral("it cannot be written")
                     : QStringLiteral("it is not in the form of a settings file");
    return false;
}

QString SettingsStore::notSavedMessage(const QString& reason) const
{
    return QStringLiteral("Your settings could not be saved to %1 (%2). The change applies until "
                          "Dialtrak closes; make the file writable and make the change again to "
                          "keep it.")
        .arg(fileName(), reason);
}
