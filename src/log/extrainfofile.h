#pragma once

#include "notelines.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class ConnectionTable;

// The user's extra information texts, kept in the program's directory: line k for connection k.
class ExtraInfoFile
{
public:
    // The notes at `path`: pathFor() names a modem log's, a system source keeps its own.
    explicit ExtraInfoFile(const QString& path);
    QString path() const { return m_path; }
    // "Extra information for " + the modem log's file name without its extension + ".dtk"
    static QString pathFor(const QString& logpath, const QString& programDirectory);

    // The texts line by line, up to the line of the table's last slot; none when the file cannot
    // be read (it does not exist yet, for instance).
    std::optional<QStringList> read(const NoteLines& lines = {}) const;
    // Sets otherinfo of each slot to its line's text where that is not empty (of the wanted slots
    // only, when a filter is given); other slots keep what they hold. False when the file cannot
    // be read.
    bool gettheextrabits(ConnectionTable& table, const NoteLines& lines = {},
                         const std::function<bool(int slot)>& wanted = {}) const;
    // Writes otherinfo of slots 1 to connectioncount, each note on one line. Where a slot shows a
    // marker the line keeps the note the file holds (one the table could not show, as when
    // costing failed), so a save never erases a note it did not show; a stored marker is cleared.
    // Lines of no slot (those beyond the table's count, and the notes of own log lines that could
    // not be read) are kept.
    bool savetheextrabits(const ConnectionTable& table, QString* error = nullptr,
                          const NoteLines& lines = {}) const;

    // The texts costing puts into otherinfo; saved as empty texts.
    static bool isMarker(const QString& text);
    // A note as it is stored: one line, its line breaks turned into spaces.
    static QString oneLine(QString text);

private:
    // Every text of the file, however many.
    std::optional<QStringList> readAll() const;

    QString m_directory;
    QString m_path;
};
