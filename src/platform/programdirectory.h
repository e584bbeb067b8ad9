#pragma once

#include <QString>

// The program's own directory, where the extra information files live: under the user's data
// directory, so that an installed program never writes beside its executable.
class ProgramDirectory
{
public:
    // $XDG_DATA_HOME/Modemtally (default ~/.local/share/Modemtally). Not created by asking.
    static QString path();
    // Creates the directory when it does not exist yet; false when that fails.
    static bool ensureExists(const QString& directory);
};
