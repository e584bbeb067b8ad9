#pragma once

#include "classicyear.h"
#include "sources/pppd/pppdrecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class LogFileInput;
class ProgressSink;

// Reads pppd's and ModemManager's records (with NetworkManager's that name a connection) from
// a syslog-style text file (/var/log/syslog, a copy from another
// machine, a journalctl export), and on each later read only what was written since. It
// remembers where it stopped and what tells the file apart. When logrotate has moved the file
// aside since (renamed, copied before it was emptied, compressed, once or more), the rest of it
// is read where it is now, then the files rotated after it, then the file. A file that was
// replaced or truncated, or whose place is gone, is read from its start again, with the rotated
// files back to where the program's own log covers when it is told (setCovered). The files are
// read with read() into one buffer, never mapped: a file cut short while it is read ends the
// read, it cannot end the program. The rotated files are only ever read.
class SyslogReader
{
public:
    static constexpr qsizetype BlockSize = 1 << 20;

    struct Batch {
        QList<PppdRecord> records;
        // The records start at the start of the file (or of the rotated files read before it):
        // the first read, or the file was replaced or truncated since the last read, rotated
        // further than its rotated files reach, or shrank while the last read read it.
        bool fromStart = false;
        // The rotated files that could not be read, or only in part; empty when all were.
        QString problems;
    };

    explicit SyslogReader(QString path);

    const QString& path() const { return m_path; }
    // The records written since the last read, or from where resumeAt put it; all of them
    // the first time. None, with the reason, when the file cannot be read: the next read then
    // starts where this one would have. The progress shows how much of the files has been read.
    std::optional<Batch> read(QString* error = nullptr, ProgressSink* progress = nullptr);
    // The next read starts at record `index` of the last batch (the "Connect:" of a call still in
    // progress), or behind the last batch when index is its size. Without a call the next read
    // starts behind the last batch.
    void resumeAt(qsizetype index);
    // The next read starts at the start of the file.
    void restart();
    // A read that starts at the start reads the rotated files too, oldest first: back to the
    // newest one that begins at or before the moment `coveredUntil` gives, or all of them when
    // it gives none. It is asked only then. Without it only the file is read.
    void setCovered(std::function<QDateTime()> coveredUntil)
    {
        m_covered = std::move(coveredUntil);
    }

private:
    // What tells a file apart from the one that replaced it.
    struct FileId {
        quint64 device = 0;
        quint64 inode = 0;
        QByteArray head; // its first bytes

        bool sameFile(const FileId& other) const
        {
            return device == other.device && inode == other.inode;
        }
    };
    // A place in a file to read on from, with some bytes that must still be there.
    struct Spot {
        int file = -1; // in m_files; -1: the start of the file at m_path
        qint64 offset = 0;
        qint64 checkFrom = 0;
        qint64 checkLength = 0;
        size_t checkHash = 0;
        ClassicYear::State year;
    };
    struct Pass;
    // A file to read in this read, from a place.
    struct Part {
        std::unique_ptr<LogFileInput> input;
        FileId id;
        qint64 from = 0;
    };
    struct Progress;

    static FileId idOf(LogFileInput& input);
    bool holds(LogFileInput& input, const FileId& id, const Spot& spot) const;
    std::vector<Part> onward(Part& current, QStringList& problems) const;
    std::vector<Part> wholeFiles(Part& current, QStringList& problems) const;
    bool readFrom(Pass& pass, LogFileInput& input, qint64 from, Progress& progress);

    QString m_path;
    std::function<QDateTime()> m_covered;
    QByteArray m_buffer;
    Spot m_next;                 // where the next read starts
    std::vector<FileId> m_files; // the files the last batch came from
    std::vector<Spot> m_marks;   // where each record of the last batch starts
    Spot m_end;                  // behind the last batch
};
