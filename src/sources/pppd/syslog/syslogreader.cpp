#include "syslogreader.h"

#include "localtimeconverter.h"
#include "platform/progresssink.h"
#include "platform/textfile.h"
#include "syslogline.h"

#include <QFile>
#include <QFileInfo>
#include <QHashFunctions>

#include <cstring>
#include <memory>
#include <sys/stat.h>

namespace
{

// How much of a file's start tells it apart, and how many bytes before a place must still be
// there to read on from it.
constexpr qint64 HeadLength = 256;
constexpr qint64 CheckLength = 256;
// Classic stamps have no year: a line in every few kilobytes is looked at besides pppd's, so that
// a year that turned between two of pppd's lines is seen even when its month did not go back.
constexpr qsizetype SampleStride = 4096;

size_t hashOf(QByteArrayView bytes)
{
    return qHash(bytes, 0);
}

// pppd writes ASCII; anything else is read as every text file of the program is.
QString textOf(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return TextFile::decode(bytes.toByteArray());
    }
    return QString::fromLatin1(bytes);
}

const char* findByte(const char* from, const char* end, char byte)
{
    return static_cast<const char*>(std::memchr(from, byte, size_t(end - from)));
}

const char* findLastByte(const char* from, const char* end, char byte)
{
    return static_cast<const char*>(::memrchr(from, byte, size_t(end - from)));
}

// Up to length bytes of the file from a place.
QByteArray bytesAt(QFile& file, qint64 from, qint64 length)
{
    if (!file.seek(from))
        return {};
    return file.read(length);
}

struct OpenFile {
    std::unique_ptr<QFile> file;
    quint64 device = 0;
    quint64 inode = 0;
    QByteArray head;
};

// Only regular files: a device or a pipe would never end, or never answer.
std::optional<OpenFile> openLog(const QString& path, QString* error)
{
    OpenFile open;
    open.file = std::make_unique<QFile>(path);
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        if (error)
            *error = QStringLiteral("%1 is not a file that can be read.").arg(path);
        return std::nullopt;
    }
    struct stat status = {};
    if (!open.file->open(QIODevice::ReadOnly | QIODevice::Unbuffered) ||
        ::fstat(open.file->handle(), &status) != 0 || !S_ISREG(status.st_mode)) {
        if (error)
            *error = QStringLiteral("%1 cannot be read: %2").arg(path, open.file->errorString());
        return std::nullopt;
    }
    open.device = quint64(status.st_dev);
    open.inode = quint64(status.st_ino);
    open.head = bytesAt(*open.file, 0, HeadLength);
    return open;
}

QDateTime modifiedTime(QFile& file)
{
    struct stat status = {};
    if (::fstat(file.handle(), &status) != 0)
        return {};
    return QDateTime::fromMSecsSinceEpoch(
        qint64(status.st_mtim.tv_sec) * 1000 + status.st_mtim.tv_nsec / 1000000, Qt::UTC);
}

qint64 sizeNow(QFile& file)
{
    struct stat status = {};
    return ::fstat(file.handle(), &status) == 0 ? qint64(status.st_size) : -1;
}

} // namespace

// One read going on: the records, where each starts, and the years of classic stamps, which are
// known only once the file's end is reached.
struct SyslogReader::Pass {
    struct PendingYear {
        qsizetype record = 0;
        int year = 0;
        int month = 0;
        int day = 0;
        int msecsOfDay = 0;
    };

    Batch batch;
    std::vector<FileId> files;
    std::vector<Spot> marks;
    Spot end;
    ClassicYear year;
    std::vector<PendingYear> pending;

    // Classic stamps of other lines than pppd's tell of years that turned between its lines.
    void sample(QByteArrayView line)
    {
        const std::optional<SyslogStamp> stamp = SyslogStamp::parse(line);
        if (stamp && stamp->classic)
            year.place(stamp->month, stamp->day, stamp->msecsOfDay);
    }

    void add(QByteArrayView line, qint64 offset)
    {
        const std::optional<SyslogLine::Pppd> pppd = SyslogLine::parsePppd(line);
        if (!pppd)
            return;
        const QByteArrayView check = line.first(qMin<qsizetype>(line.size(), CheckLength));
        marks.push_back(
            {int(files.size()) - 1, offset, offset, check.size(), hashOf(check), year.state()});
        PppdRecord record;
        record.pid = pppd->pid;
        record.message = textOf(pppd->message);
        const SyslogStamp& stamp = pppd->stamp;
        if (stamp.classic) {
            pending.push_back({batch.records.size(),
                               year.place(stamp.month, stamp.day, stamp.msecsOfDay), stamp.month,
                               stamp.day, stamp.msecsOfDay});
        } else {
            record.when = QDateTime::fromMSecsSinceEpoch(stamp.utcMsecs, Qt::UTC);
        }
        batch.records.append(record);
    }

    // The lines in [begin, end) that pppd logged; the last may lack its line end. A line every
    // few kilobytes is sampled as well, in file order with pppd's.
    void scan(const char* begin, const char* end, qint64 offset)
    {
        const char* from = begin;
        const char* sampleAt = begin;
        const auto sampleUpTo = [&](const char* limit) {
            while (sampleAt < limit) {
                const char* before = findLastByte(begin, sampleAt, '\n');
                const char* lineStart = before ? before + 1 : begin;
                const char* lineEnd = findByte(sampleAt, end, '\n');
                if (!lineEnd)
                    lineEnd = end;
                sample(QByteArrayView(lineStart, lineEnd));
                sampleAt = qMax(lineEnd + 1, sampleAt + SampleStride);
            }
        };
        while (true) {
            const char* hit = SyslogLine::findPppd(from, end);
            if (hit == end)
                break;
            const char* before = findLastByte(begin, hit, '\n');
            const char* lineStart = before ? before + 1 : begin;
            const char* lineEnd = findByte(hit, end, '\n');
            if (!lineEnd)
                lineEnd = end;
            sampleUpTo(lineStart + 1);
            add(QByteArrayView(lineStart, lineEnd), offset + (lineStart - begin));
            if (lineEnd == end)
                return;
            from = lineEnd + 1;
        }
        sampleUpTo(end);
    }

    // Gives classic stamps their years, from the modification time of the file read last.
    void finish(const QDateTime& modified)
    {
        const int shift = year.anchor(modified);
        const auto anchor = [shift](ClassicYear::State& state) {
            if (!state.anchored) {
                state.year += shift;
                state.anchored = true;
            }
        };
        if (year.state().anchored) {
            for (Spot& mark : marks)
                anchor(mark.year);
            anchor(end.year);
        }
        LocalTimeConverter converter;
        QList<qsizetype> dropped;
        for (const PendingYear& stamp : pending) {
            const QDate date(stamp.year + shift, stamp.month, stamp.day);
            // February the 29th in a year that has none: the year read is not the line's.
            if (!date.isValid()) {
                dropped << stamp.record;
                continue;
            }
            batch.records[stamp.record].when = QDateTime::fromMSecsSinceEpoch(
                converter.toUtcMsecs(date, stamp.msecsOfDay), Qt::UTC);
        }
        for (qsizetype i = dropped.size() - 1; i >= 0; --i) {
            batch.records.removeAt(dropped.at(i));
            marks.erase(marks.begin() + dropped.at(i));
        }
    }
};

SyslogReader::SyslogReader(QString path) : m_path(std::move(path)) {}

void SyslogReader::restart()
{
    m_next = Spot();
}

void SyslogReader::resumeAt(qsizetype index)
{
    m_next = index >= 0 && size_t(index) < m_marks.size() ? m_marks[size_t(index)] : m_end;
}

bool SyslogReader::holds(QFile& file, const FileId& id, const Spot& spot) const
{
    if (!id.head.startsWith(m_files[size_t(spot.file)].head))
        return false;
    const QByteArray check = bytesAt(file, spot.checkFrom, spot.checkLength);
    return check.size() == spot.checkLength && hashOf(check) == spot.checkHash &&
           sizeNow(file) >= spot.offset;
}

std::optional<SyslogReader::Batch> SyslogReader::read(QString* error, ProgressSink* progress)
{
    std::optional<OpenFile> current = openLog(m_path, error);
    if (!current)
        return std::nullopt;

    Pass pass;
    const FileId now{current->device, current->inode, current->head};
    // Read on where the last read stopped when that place is still there: in the file, or in
    // the file logrotate moved it to ("<path>.1": renamed, or copied before the file was
    // truncated).
    bool onward = false;
    std::optional<OpenFile> rotated;
    if (m_next.file >= 0) {
        const FileId& seen = m_files[size_t(m_next.file)];
        if (now.sameFile(seen) && holds(*current->file, now, m_next)) {
            onward = true;
        } else if ((rotated = openLog(m_path + QStringLiteral(".1"), nullptr))) {
            const FileId moved{rotated->device, rotated->inode, rotated->head};
            if ((moved.sameFile(seen) || now.sameFile(seen)) &&
                holds(*rotated->file, moved, m_next)) {
                pass.files.push_back(moved);
                pass.year.setState(m_next.year);
                if (!readFrom(pass, *rotated->file, m_next.offset, progress, error))
                    return std::nullopt;
            }
        }
    }
    pass.batch.fromStart = !onward && pass.files.empty();
    if (onward)
        pass.year.setState(m_next.year);
    pass.files.push_back(now);
    if (!readFrom(pass, *current->file, onward ? m_next.offset : 0, progress, error))
        return std::nullopt;
    pass.finish(modifiedTime(*current->file));

    m_files = std::move(pass.files);
    m_marks = std::move(pass.marks);
    m_end = pass.end;
    m_next = m_end;
    return std::move(pass.batch);
}

bool SyslogReader::readFrom(Pass& pass, QFile& file, qint64 from, ProgressSink* progress,
                            QString* error)
{
    if (m_buffer.size() != BlockSize)
        m_buffer = QByteArray(BlockSize, Qt::Uninitialized);
    char* const buffer = m_buffer.data();
    if (!file.seek(from)) {
        if (error)
            *error =
                QStringLiteral("%1 cannot be read: %2").arg(file.fileName(), file.errorString());
        return false;
    }
    const qint64 size = qMax<qint64>(1, sizeNow(file));
    qint64 consumed = from; // where in the file buffer[0] is
    qsizetype kept = 0;     // a line begun in the last block, still without its end
    bool longLine = false;  // the start of the buffer is the rest of a line too long for it
    int shown = -1;
    while (true) {
        const qint64 got = file.read(buffer + kept, BlockSize - kept);
        if (got < 0) {
            if (error)
                *error = QStringLiteral("%1 cannot be read: %2")
                             .arg(file.fileName(), file.errorString());
            return false;
        }
        if (got == 0)
            break;
        const qsizetype length = kept + qsizetype(got);
        const char* last = findLastByte(buffer, buffer + length, '\n');
        if (!last) {
            if (length < BlockSize) {
                kept = length;
                continue;
            }
            // A line longer than the buffer is nobody's log line.
            consumed += length;
            kept = 0;
            longLine = true;
            continue;
        }
        const char* complete = last + 1;
        const char* begin = buffer;
        if (longLine) {
            begin = findByte(buffer, complete, '\n') + 1;
            longLine = false;
        }
        if (begin < complete)
            pass.scan(begin, complete, consumed + (begin - buffer));
        consumed += complete - buffer;
        kept = length - (complete - buffer);
        std::memmove(buffer, complete, size_t(kept));
        if (progress) {
            const int percent = int(qMin<qint64>(100, consumed * 100 / size));
            if (percent != shown)
                progress->setProgress(shown = percent);
        }
    }

    // The last complete line tells the year of the file's end.
    const qint64 checkFrom = qMax(from, consumed - CheckLength);
    const QByteArray check = bytesAt(file, checkFrom, consumed - checkFrom);
    if (check.size() == consumed - checkFrom && check.size() >= 2 && check.endsWith('\n')) {
        const qsizetype before = check.lastIndexOf('\n', check.size() - 2);
        if (before >= 0 || checkFrom == from)
            pass.sample(QByteArrayView(check).sliced(before + 1, check.size() - before - 2));
    }
    pass.end = {int(pass.files.size()) - 1, consumed,      checkFrom,
                consumed - checkFrom,       hashOf(check), pass.year.state()};
    // A last line without its line end is being written: read, but read again next time.
    if (kept > 0 && !longLine)
        pass.scan(buffer, buffer + kept, consumed);
    return true;
}
