#include "filestream.h"

#include <QFileInfo>

#include <cstring>

FileStream::FileStream(const QString& path) : m_file(path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile() ||
        !m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return;
    m_modified = m_file.fileTime(QFileDevice::FileModificationTime);
    m_sizeAtOpen = m_file.size();
    m_open = true;
}

QByteArrayView FileStream::next(qsizetype carry)
{
    if (!m_open || m_failed)
        return {};
    carry = qBound<qsizetype>(0, carry, m_length);
    // A piece always has room for a whole chunk behind what it carries, however long a line is.
    if (m_buffer.size() < carry + ChunkSize)
        m_buffer.resize(carry + ChunkSize);
    std::memmove(m_buffer.data(), m_buffer.constData() + m_length - carry, size_t(carry));
    const qint64 got = m_file.read(m_buffer.data() + carry, m_buffer.size() - carry);
    if (got < 0)
        m_failed = true;
    if (got <= 0) {
        m_length = 0;
        return {};
    }
    m_read += got;
    m_length = carry + qsizetype(got);
    return QByteArrayView(m_buffer.constData(), m_length);
}

qint64 FileStream::currentSize() const
{
    return m_open ? m_file.size() : -1;
}

bool FileStream::changedWhileRead() const
{
    return m_read != m_sizeAtOpen || currentSize() != m_read;
}
