#pragma once

#include <QString>

class Clock;
class Launcher;
class Prompter;
class SettingsStore;
class ShortcutMaker;

// The platform services the program uses, gathered so that tests can put their own in place.
struct Services {
    SettingsStore& settings;
    const Clock& clock;
    Prompter& prompter;
    Launcher& launcher;
    ShortcutMaker& shortcuts;
    // Where the extra information files live.
    QString programDirectory;
    // The documentation page that stands for the program's home page.
    QString homePage;
};
