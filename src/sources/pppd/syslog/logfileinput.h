#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QString>
#include <memory>

class GzipStream;

// A log file opened to be read from front to back, plain or gzip-compressed: the bytes the log
// holds either way. Only regular files: a device or a pipe would never end, or never answer. A
// compressed file is inflated as it is read; a move back in it starts it over, unless it stays
// within the bytes bytesAt() last looked at.
class LogFileInput
{
public:
    static std::unique_ptr<LogFileInput> open(const QString& path, bool compressed, QString* error);
    ~LogFileInput();

    QString path() const { return m_file.fileName(); }
    quint64 device() const { return m_device; }
    quint64 inode() const { return m_inode; }
    QDateTime modified() const;

    // Up to `length` bytes from `from`, fewer at the end; the next read() still starts at `from`.
    QByteArray bytesAt(qint64 from, qint64 length);
    bool seek(qint64 to);
    // Up to `max` bytes; 0 at the end; -1 when it cannot be read on (errorString() says why).
    qint64 read(char* into, qint64 max);
    QString errorString() const { return m_error; }

    // How much of the file on disk has been read, and of how much, for the progress shown.
    qint64 doneOnDisk() const;
    qint64 sizeOnDisk() const;

private:
    explicit LogFileInput(const QString& path);
    qint64 readInflated(char* into, qint64 max);
    bool startOver();

    QFile m_file;
    quint64 m_device = 0;
    quint64 m_inode = 0;
    std::unique_ptr<GzipStream> m_gzip; // none: a plain file
    // Compressed files: where the next read() starts, and the bytes after it already inflated.
    qint64 m_at = 0;
    QByteArray m_pending;
    QString m_error;
};
