#include "modemlogcompactor.h"

#include "log/lognames.h"
#include "platform/filestream.h"
#include "platform/progresssink.h"
#include "platform/textfile.h"

#include <QFile>

#include <array>
#include <filesystem>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace
{

constexpr std::array<QByteArrayView, 8> KeptTexts{
    "in use.",
    "Hanging up the modem.",
    "Session Statistics:",
    "Reads :",
    "Writes:",
    "closed.",
    "Dialing.",
    "Connection",
};

bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

} // namespace

bool ModemLogCompactor::writeline(QByteArrayView line)
{
    for (const QByteArrayView text : KeptTexts) {
        if (line.contains(text))
            return true;
    }
    return false;
}

QString ModemLogCompactor::temporaryPath(const QString& logpath)
{
    return LogNames::withoutExtension(logpath) + QStringLiteral(" shortened.log");
}

namespace
{

// The kept lines of a log read piece by piece; a line cut by the end of a piece is completed by
// the next. The unfinished last line of the file is kept as it stands, without a line end: it is
// the line the driver is still writing, and its rest will follow it.
class LineFilter
{
public:
    void feed(QByteArrayView piece)
    {
        qsizetype start = 0;
        for (qsizetype end = piece.indexOf('\n'); end >= 0; end = piece.indexOf('\n', start)) {
            m_line += piece.sliced(start, end - start);
            QByteArrayView line = m_line;
            if (line.endsWith('\r'))
                line.chop(1);
            if (ModemLogCompactor::writeline(line)) {
                m_kept += line;
                m_kept += "\r\n";
            }
            m_line.clear();
            start = end + 1;
        }
        m_line += piece.sliced(start);
    }
    // What is kept so far, once.
    QByteArray takeKept() { return std::exchange(m_kept, {}); }
    QByteArray unfinished() const { return m_line; }

private:
    QByteArray m_kept;
    QByteArray m_line;
};

// Reads on to the end of the file; false on a read error.
bool readOn(FileStream& log, LineFilter& filter, ProgressSink& progress)
{
    int shownPercent = -1;
    const qint64 length = qMax<qint64>(1, log.sizeAtOpen());
    for (QByteArrayView piece = log.next(); !piece.isEmpty(); piece = log.next()) {
        filter.feed(piece);
        const int percent = int(qMin<qint64>(100, log.bytesRead() * 100 / length));
        if (percent != shownPercent) {
            progress.setProgress(percent);
            shownPercent = percent;
        }
    }
    return !log.failed();
}

bool writeAll(QFile& file, const QByteArray& bytes)
{
    return file.write(bytes) == bytes.size();
}

bool compact(const QString& logpath, ProgressSink& progress, QString* error)
{
    // A link is followed: the driver goes on writing its target, which must be the file that
    // is compacted, and the link must stay a link.
    const QString target = TextFile::writeTarget(logpath);
    FileStream log(target);
    if (!log.isOpen())
        return fail(error, QStringLiteral("Cannot read ") + logpath);

    const QString temporary = ModemLogCompactor::temporaryPath(target);
    QFile out(temporary);
    const auto abandon = [&](const QString& reason) {
        out.close();
        QFile::remove(temporary);
        return fail(error, reason);
    };
    if (!out.open(QIODevice::WriteOnly))
        return abandon(QStringLiteral("Cannot write ") + temporary);

    // Until the file stands still: what the driver appends while the log is read is compacted
    // too, so no call written meanwhile is lost with the old file.
    LineFilter filter;
    while (true) {
        if (!readOn(log, filter, progress))
            return abandon(QStringLiteral("Cannot read ") + logpath);
        if (!writeAll(out, filter.takeKept()))
            return abandon(QStringLiteral("Cannot write ") + temporary);
        const qint64 size = log.currentSize();
        if (size < log.bytesRead()) // emptied or cut short by someone else: leave it to them
            return abandon(logpath + QStringLiteral(" changed while it was compacted"));
        if (size == log.bytesRead())
            break;
    }
    progress.setProgress(100);
    // On disk before the rename, so a crash cannot leave an empty modem log in its place.
    if (!writeAll(out, filter.unfinished()) || !out.flush() || ::fsync(out.handle()) != 0)
        return abandon(QStringLiteral("Cannot write ") + temporary);
    out.close();
    QFile::setPermissions(temporary, QFile::permissions(target));
    // One rename replaces the modem log; there is no moment without it.
    std::error_code code;
    std::filesystem::rename(QFile(temporary).filesystemFileName(),
                            QFile(target).filesystemFileName(), code);
    if (code)
        return abandon(QString::fromStdString(code.message()));

    // A writer may have appended to the old file between the last look and the rename: its
    // bytes follow the compacted lines as they were written.
    QByteArray late;
    for (QByteArrayView piece = log.next(); !piece.isEmpty(); piece = log.next())
        late += piece;
    if (!late.isEmpty()) {
        QFile replaced(target);
        if (!replaced.open(QIODevice::WriteOnly | QIODevice::Append) || !writeAll(replaced, late))
            return fail(error, QStringLiteral("Cannot write ") + logpath);
    }
    return true;
}

} // namespace

bool ModemLogCompactor::cleanup(const QString& logpath, ProgressSink& progress, QString* error)
{
    progress.setStatus(QStringLiteral("Compacting log file..."));
    progress.setProgressEnabled(true);
    progress.setProgress(0);
    const bool done = logpath.isEmpty() ? fail(error, QStringLiteral("No modem log"))
                                        : compact(logpath, progress, error);
    progress.setProgressEnabled(false);
    progress.setProgress(0);
    progress.setStatus(QString());
    return done;
}
