#pragma once

#include <QString>
#include <memory>

class QSettings;

// The per-user store of text values, addressed by section and key under the application name
// Modemtally. Every read names its default and never writes.
class SettingsStore
{
public:
    // The user's own store.
    SettingsStore();
    // A store in a file of its own (tests, throw-away profiles).
    explicit SettingsStore(const QString& iniFilePath);
    virtual ~SettingsStore();

    virtual QString read(const QString& section, const QString& key,
                         const QString& defaultValue) const;
    virtual void write(const QString& section, const QString& key, const QString& value);
    QString fileName() const;
    // Writes what has changed to the file now; false, with the reason, when it could not be
    // written (a read-only file, another owner, a full disk): the change then lasts only until
    // the program ends, and the user must be told.
    virtual bool sync(QString* error = nullptr);
    // What the user is told then.
    QString notSavedMessage(const QString& reason) const;

private:
    std::unique_ptr<QSettings> m_settings;
};
