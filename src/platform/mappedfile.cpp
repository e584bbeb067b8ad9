#include "mappedfile.h"

#include <QFileInfo>

MappedFile::MappedFile(const QString& path) : m_file(path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile() || !m_file.open(QIODevice::ReadOnly))
        return;
    m_modified = m_file.fileTime(QFileDevice::FileModificationTime);
    const qint64 size = m_file.size();
    if (size > 0) {
        m_data = m_file.map(0, size);
        if (m_data) {
            m_bytes = QByteArrayView(m_data, size);
        } else {
            m_copy = m_file.readAll();
            if (m_file.error() != QFileDevice::NoError)
                return;
            m_bytes = m_copy;
        }
    }
    m_open = true;
}

MappedFile::~MappedFile()
{
    if (m_data)
        m_file.unmap(m_data);
}
