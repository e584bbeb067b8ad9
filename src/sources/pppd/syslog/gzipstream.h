#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

class QFile;
struct z_stream_s;

// The bytes a gzip file holds, inflated through zlib as they are asked for, so that a large file
// never has to fit in memory. Members one after the other read as one stream, as gzip reads them.
class GzipStream
{
public:
    // `file` is open for reading at its start, and outlives the stream.
    explicit GzipStream(QFile& file);
    ~GzipStream();
    GzipStream(const GzipStream&) = delete;
    GzipStream& operator=(const GzipStream&) = delete;

    // Up to `max` bytes; 0 at the end of the data; -1 when the file is damaged, cut short or
    // cannot be read, and errorString() says which.
    qint64 read(char* into, qint64 max);
    QString errorString() const { return m_error; }
    // How much of the compressed file has been taken in.
    qint64 compressedPosition() const { return m_taken; }

private:
    qint64 fail(const QString& why);

    QFile& m_file;
    std::unique_ptr<z_stream_s> m_stream;
    QByteArray m_input;
    qint64 m_taken = 0;
    bool m_memberEnded = false; // the last member ended; another may follow
    bool m_done = false;
    QString m_error;
};
