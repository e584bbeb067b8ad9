#pragma once

#include <QString>

// The text of the help window, with the places of this user's files written in.
class HelpText
{
public:
    struct Places {
        QString settingsFile;
        QString modemLog; // empty before one is chosen
        QString ownLog;
        QString notes;
        QString homePage; // as an address
    };

    static QString text(const Places& places);
};
