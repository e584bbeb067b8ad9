#pragma once

#include <QString>

// The names the program's own files take from the modem log's.
class LogNames
{
public:
    // The path without its extension: the last 4 characters (".log", ".txt") where the file name
    // has an extension, else the whole path. So a log named without one never lends its folder's
    // name, or nothing at all, to the files named after it.
    static QString withoutExtension(const QString& logpath);
    // The part behind the last slash or backslash.
    static QString fileName(const QString& logpath);
};
