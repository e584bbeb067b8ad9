#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class ConnectionTable;

// The user's extra information texts, kept in the program's directory: line k for connection k.
class ExtraInfoFile
{
public:
    ExtraInfoFile(const QString& logpath, const QString& programDirectory)
        : m_directory(programDirectory), m_path(pathFor(logpath, programDirectory))
    {
    }
    QString path() const { return m_path; }
    // "Extra information for " + the modem log's file name minus its last 4 characters + ".dtk"
    static QString pathFor(const QString& logpath, const QString& programDirectory);

    // The texts line by line, at most one per slot of the table; none when the file cannot be
    // read (it does not exist yet, for instance).
    std::optional<QStringList> read() const;
    // Sets otherinfo of slot k to text k for every non-empty text (of the wanted slots only,
    // when a filter is given); other slots keep what they hold.
    static void overlay(ConnectionTable& table, const QStringList& texts,
                        const std::function<bool(int slot)>& wanted = {});

    // Lays the file's texts over the whole table; false when the file cannot be read.
    bool gettheextrabits(ConnectionTable& table) const;
    // Writes otherinfo of slots 1 to connectioncount, the derived markers as empty texts, each
    // note on one line; lines of the file beyond the table's count are kept.
    bool savetheextrabits(const ConnectionTable& table, QString* error = nullptr) const;

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
