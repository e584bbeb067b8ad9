#pragma once

#include <QString>

class SettingsStore;

// The folder the export windows open in: the one the last export went to, while it is still
// there, else the home folder. Kept in the settings, so a later run opens there too.
class ExportFolder
{
public:
    explicit ExportFolder(SettingsStore& store) : m_store(store) {}

    QString start() const;
    // After a file was written to path. True when that changed the stored folder.
    bool remember(const QString& path);

private:
    SettingsStore& m_store;
};
