#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QFile>

// Reads a regular file front to back through one reused buffer with read(). A file cut short
// while it is read (emptied by another program, truncated by logrotate's copytruncate) only ends
// the read early, where a mapping of it would fault and end the program. A device or a pipe is
// never opened.
class FileStream
{
public:
    static constexpr qsizetype ChunkSize = 1 << 20;

    explicit FileStream(const QString& path);

    bool isOpen() const { return m_open; }
    // The file's size and time when it was opened.
    qint64 sizeAtOpen() const { return m_sizeAtOpen; }
    QDateTime modified() const { return m_modified; }

    // The next piece of the file, with the last `carry` bytes of the piece before kept in front
    // of it (so a text that spans two pieces is whole in one); empty at the end of the file. The
    // view lasts until the next call.
    QByteArrayView next(qsizetype carry = 0);
    // The file offset of the first byte of the last piece returned, carried bytes included.
    qint64 pieceOffset() const { return m_read - m_length; }
    // Every byte read so far.
    qint64 bytesRead() const { return m_read; }
    // A read failed (as opposed to the file ending).
    bool failed() const { return m_failed; }
    // The file's size now, through the open handle: what a writer has added or cut since.
    qint64 currentSize() const;
    // Whether the file ended early or grew while it was read: what was read is not the file as
    // it was opened, and a reader that needs all of it reads again.
    bool changedWhileRead() const;

private:
    QFile m_file;
    bool m_open = false;
    bool m_failed = false;
    qint64 m_sizeAtOpen = 0;
    QDateTime m_modified;
    QByteArray m_buffer;
    qsizetype m_length = 0; // bytes of the buffer in the last piece
    qint64 m_read = 0;
};
