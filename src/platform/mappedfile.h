#pragma once

#include <QByteArrayView>
#include <QDateTime>
#include <QFile>

// A regular file mapped into memory for the time one routine reads it: a modem log of tens of
// megabytes is read without a copy on the heap. A device or a pipe is never opened.
class MappedFile
{
public:
    explicit MappedFile(const QString& path);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    bool isOpen() const { return m_open; }
    // Empty for an empty file.
    QByteArrayView bytes() const { return m_bytes; }
    QDateTime modified() const { return m_modified; }

private:
    QFile m_file;
    bool m_open = false;
    uchar* m_data = nullptr;
    QByteArray m_copy; // where the file system cannot map
    QByteArrayView m_bytes;
    QDateTime m_modified;
};
