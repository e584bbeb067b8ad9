#include "gzipstream.h"

#include <QFile>
#include <zlib.h>

namespace
{
constexpr qint64 InputSize = 64 * 1024;
// 15: the largest window; +16: a gzip header and trailer, not zlib's own.
constexpr int GzipWindowBits = 15 + 16;
} // namespace

GzipStream::GzipStream(QFile& file) : m_file(file), m_stream(std::make_unique<z_stream_s>())
{
    *m_stream = {};
    if (inflateInit2(m_stream.get(), GzipWindowBits) != Z_OK) {
        m_stream.reset();
        m_error = QStringLiteral("zlib could not be set up");
    }
}

GzipStream::~GzipStream()
{
    if (m_stream)
        inflateEnd(m_stream.get());
}

qint64 GzipStream::fail(const QString& why)
{
    m_error = QStringLiteral("%1 is damaged: %2").arg(m_file.fileName(), why);
    return -1;
}

qint64 GzipStream::read(char* into, qint64 max)
{
    if (!m_stream)
        return -1;
    if (!m_error.isEmpty())
        return -1;
    z_stream& stream = *m_stream;
    const uInt wanted = uInt(qMin<qint64>(max, 1 << 30));
    stream.next_out = reinterpret_cast<Bytef*>(into);
    stream.avail_out = wanted;
    while (!m_done && stream.avail_out > 0) {
        if (stream.avail_in == 0) {
            m_input.resize(InputSize);
            const qint64 got = m_file.read(m_input.data(), InputSize);
            if (got < 0) {
                m_error = QStringLiteral("%1 cannot be read: %2")
                              .arg(m_file.fileName(), m_file.errorString());
                return -1;
            }
            if (got == 0) {
                // An empty file, or the end right after a member: nothing more. Anywhere else
                // the file was cut short.
                if (m_memberEnded || m_taken == 0) {
                    m_done = true;
                    break;
                }
                return fail(QStringLiteral("it ends in the middle of its data"));
            }
            m_taken += got;
            stream.next_in = reinterpret_cast<Bytef*>(m_input.data());
            stream.avail_in = uInt(got);
        }
        if (m_memberEnded) {
            // What follows the last member and is no gzip data is ignored, as gzip ignores it.
            if (*stream.next_in != 0x1f) {
                m_done = true;
                break;
            }
            inflateReset(&stream);
            m_memberEnded = false;
        }
        const int result = inflate(&stream, Z_NO_FLUSH);
        if (result == Z_STREAM_END)
            m_memberEnded = true;
        else if (result != Z_OK && result != Z_BUF_ERROR)
            return fail(QString::fromLatin1(stream.msg ? stream.msg : "not gzip data"));
    }
    return qint64(wanted - stream.avail_out);
}
