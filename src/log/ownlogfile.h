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
        Missing,    // it was missing and was not created; nothing is lost
        Unreadable, // it is there but cannot be read: it must not be overwritten
    };
    // A line that holds no record this program can read, byte for byte, and the line of the
    // file it stood on (from 0).
    struct KeptLine {
        int line = 0;
        QByteArray bytes;
        bool operator==(const KeptLine&) const = default;
    };
    struct ReadResult {
        ReadStatus status = ReadStatus::Read;
        QList<DatedConnection> records; // the valid records, in file order
        int skipped = 0;                // records with a field that is not a date or time
        QList<KeptLine> unreadable;     // those records' lines
        QByteArray contents;            // the file as it was read
    };
    enum class WriteStatus { Written, Changed, Failed };

    // The own log at `path`: pathFor() names a modem log's, a system source keeps its own.
    explicit OwnLogFile(QString path) : m_path(std::move(path)) {}
    QString path() const { return m_path; }
    // The modem log's name without its extension, plus the fixed suffix.
    static QString pathFor(const QString& logpath);

    // A missing file is made at the first load that writes; a load that only reads leaves it.
    enum class IfMissing { Create, Leave };
    ReadResult read(IfMissing ifMissing = IfMissing::Create) const;
    // The file's contents for these records. Lines that could not be read stay where they stood
    // among the records they were read with, byte for byte, so a connection in a form or an
    // encoding this program cannot read yet is never thrown away and every line keeps its place
    // (the notes are kept by place). `unreadablePlaces` receives their lines (from 1).
    static QByteArray compose(const QList<DatedConnection>& records,
                              const QList<KeptLine>& unreadable,
                              QList<int>* unreadablePlaces = nullptr);
    // Replaces the file in one step; on failure the old file stays as it was. With `expected`,
    // only while the file still holds exactly that: another program that wrote it since the
    // read is not overwritten with an older copy (Changed).
    WriteStatus write(const QByteArray& contents, const QByteArray* expected = nullptr,
                      QString* error = nullptr) const;
    bool write(const QList<DatedConnection>& records, QString* error = nullptr,
               const QList<KeptLine>& unreadable = {}) const;

    // The record a line stands for, or none when a field is not a valid date or time.
    static std::optional<DatedConnection> parseRecord(const QString& line);
    static QString formatRecord(const DatedConnection& connection);

private:
    QString m_path;
};
