#include "logfileinput.h"

#include "gzipstream.h"

#include <QFileInfo>
#include <cstring>
#include <sys/stat.h>

namespace
{
constexpr qint64 SkipBlock = 256 * 1024;
} // namespace

std::unique_ptr<LogFileInput> LogFileInput::open(const QString& path, bool compressed,
                                                 QString* error)
{
    std::unique_ptr<LogFileInput> input(new LogFileInput(path));
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        if (error)
            *error = QStringLiteral("%1 is not a file that can be read.").arg(path);
        return nullptr;
    }
    struct stat status = {};
    if (!input->m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered) ||
        ::fstat(input->m_file.handle(), &status) != 0 || !S_ISREG(status.st_mode)) {
        if (error)
            *error = QStringLiteral("%1 cannot be read: %2").arg(path, input->m_file.errorString());
        return nullptr;
    }
    input->m_device = quint64(status.st_dev);
    input->m_inode = quint64(status.st_ino);
    if (compressed)
        input->m_gzip = std::make_unique<GzipStream>(input->m_file);
    return input;
}

LogFileInput::LogFileInput(const QString& path) : m_file(path) {}

LogFileInput::~LogFileInput() = default;

QDateTime LogFileInput::modified() const
{
    struct stat status = {};
    if (::fstat(m_file.handle(), &status) != 0)
        return {};
    return QDateTime::fromMSecsSinceEpoch(
        qint64(status.st_mtim.tv_sec) * 1000 + status.st_mtim.tv_nsec / 1000000, Qt::UTC);
}

qint64 LogFileInput::sizeOnDisk() const
{
    struct stat status = {};
    return ::fstat(m_file.handle(), &status) == 0 ? qint64(status.st_size) : -1;
}

qint64 LogFileInput::doneOnDisk() const
{
    return m_gzip ? m_gzip->compressedPosition() : m_file.pos();
}

QByteArray LogFileInput::bytesAt(qint64 from, qint64 length)
{
    if (!seek(from))
        return {};
    if (!m_gzip) {
        QByteArray bytes = m_file.read(length);
        m_file.seek(from);
        return bytes;
    }
    while (m_pending.size() < length) {
        const qsizetype had = m_pending.size();
        m_pending.resize(length);
        const qint64 got = m_gzip->read(m_pending.data() + had, length - had);
        m_pending.resize(had + qMax<qint64>(0, got));
        if (got <= 0) {
            if (got < 0)
                m_error = m_gzip->errorString();
            break;
        }
    }
    return m_pending.left(length);
}

bool LogFileInput::startOver()
{
    if (!m_file.seek(0)) {
        m_error = QStringLiteral("%1 cannot be read: %2").arg(path(), m_file.errorString());
        return false;
    }
    m_gzip = std::make_unique<GzipStream>(m_file);
    m_at = 0;
    m_pending.clear();
    return true;
}

bool LogFileInput::seek(qint64 to)
{
    if (!m_gzip) {
        if (m_file.seek(to))
            return true;
        m_error = QStringLiteral("%1 cannot be read: %2").arg(path(), m_file.errorString());
        return false;
    }
    if (to < m_at && !startOver())
        return false;
    const qint64 kept = qMin<qint64>(to - m_at, m_pending.size());
    m_pending.remove(0, kept);
    m_at += kept;
    QByteArray skipped;
    while (m_at < to) {
        if (skipped.isEmpty())
            skipped.resize(SkipBlock);
        const qint64 got = readInflated(skipped.data(), qMin(to - m_at, SkipBlock));
        if (got <= 0) {
            if (got == 0)
                m_error = QStringLiteral("%1 ends before the place to read from").arg(path());
            return false;
        }
    }
    return true;
}

qint64 LogFileInput::readInflated(char* into, qint64 max)
{
    const qint64 got = m_gzip->read(into, max);
    if (got < 0)
        m_error = m_gzip->errorString();
    else
        m_at += got;
    return got;
}

qint64 LogFileInput::read(char* into, qint64 max)
{
    if (!m_gzip) {
        const qint64 got = m_file.read(into, max);
        if (got < 0)
            m_error = QStringLiteral("%1 cannot be read: %2").arg(path(), m_file.errorString());
        return got;
    }
    if (!m_pending.isEmpty()) {
        const qint64 given = qMin<qint64>(max, m_pending.size());
        std::memcpy(into, m_pending.constData(), size_t(given));
        m_pending.remove(0, given);
        m_at += given;
        return given;
    }
    return readInflated(into, max);
}
