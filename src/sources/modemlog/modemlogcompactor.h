#pragma once

#include <QByteArrayView>
#include <QString>

class ProgressSink;

// Shrinks the modem log in place to the lines that describe calls.
class ModemLogCompactor
{
public:
    // True when the line holds one of the texts that describe a call. The texts are plain
    // ASCII, so a match in the line's bytes is a match in its text, whatever its encoding.
    static bool writeline(QByteArrayView line);
    // The modem log's path without its extension, plus " shortened.log".
    static QString temporaryPath(const QString& logpath);
    // Replaces the modem log by its kept lines in one rename; on failure the modem log is left
    // byte for byte as it was and the temporary file is removed.
    static bool cleanup(const QString& logpath, ProgressSink& progress, QString* error = nullptr);
};
