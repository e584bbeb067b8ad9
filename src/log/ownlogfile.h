#pragma once

#include "datedconnection.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The program's own log beside the modem log: every connection ever seen, one quoted
// "date","start","end" record per line, oldest first.
class OwnLogFile
{
public:
    enum class ReadStatus {
        Read,       // the file was there and has been read
        Created,    // it was missing and has been created empty
        Missing,    // it was missing and could not be created; nothing is lost
        Unreadable, // it is there but cannot be read: it must not be overwritten
    };
    struct ReadResult {
        ReadStatus status = ReadStatus::Read;
        QList<DatedConnection> records; // the valid records, in file order
        int skipped = 0;                // records with a field that is not a date or time
        QList<QByteArray> unreadable;   // those records' lines, byte for byte
    };

    explicit OwnLogFile(const QString& logpath) : m_path(pathFor(logpath)) {}
    QString path() const { return m_path; }
    // The modem log's path without its last 4 characters, plus the fixed suffix.
    static QString pathFor(const QString& logpath);

    ReadResult read() const;
    // Replaces the file in one step; on failure the old file stays as it was.
    // Lines that could not be read are written back after the records byte for byte, so a
    // connection in a form or an encoding this program cannot read yet is never thrown away.
    bool write(const QList<DatedConnection>& records, QString* error = nullptr,
               const QList<QByteArray>& unreadable = {}) const;

    // The record a line stands for, or none when a field is not a valid date or time.
    static std::optional<DatedConnection> parseRecord(const QString& line);
    static QString formatRecord(const DatedConnection& connection);

private:
    QString m_path;
};
