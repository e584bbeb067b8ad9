#include "syslogreader.h"

#include "localtimeconverter.h"
#include "platform/progresssink.h"
#include "platform/textfile.h"
#include "sources/modemmanager/modemmanagercallbuilder.h"
#include "syslogline.h"

#include "logfileinput.h"
#include "rotatedlogs.h"

#include <QHashFunctions>

#include <algorithm>
#include <cstring>

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

// When a file begins: the stamp of its first line that has one, a classic stamp in the last
// year that puts it no later than the file's modification time. Unknown when its start holds no
// stamp or cannot be read.
std::optional<qint64> beginningOf(LogFileInput& input)
{
    constexpr qint64 Looked = 64 * 1024;
    const QByteArray start = input.bytesAt(0, Looked);
    qsizetype from = 0;
    while (from < start.size()) {
        qsizetype end = start.indexOf('\n', from);
        if (end < 0)
            end = start.size();
        const std::optional<SyslogStamp> stamp =
            SyslogStamp::parse(QByteArrayView(start).sliced(from, end - from));
        from = end + 1;
        if (!stamp)
            continue;
        if (!stamp->classic)
            return stamp->utcMsecs;
        ClassicYear year;
        year.place(stamp->month, stamp->day, stamp->msecsOfDay);
        year.anchor(input.modified());
        const QDate date(year.state().year, stamp->month, stamp->day);
        if (!date.isValid())
            return std::nullopt;
        return LocalTimeConverter().toUtcMsecs(date, stamp->msecsOfDay);
    }
    return std::nullopt;
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
        const std::optional<SyslogLine::Record> parsed = SyslogLine::parseRecord(line);
        if (!parsed)
            return;
        QString message = textOf(parsed->message);
        // NetworkManager's lines tell only the names of the connections it starts.
        if (parsed->program == PppdRecord::Program::NetworkManager &&
            ModemManagerCallBuilder::activationName(message).isEmpty())
            return;
        const QByteArrayView check = line.first(qMin<qsizetype>(line.size(), CheckLength));
        marks.push_back(
            {int(files.size()) - 1, offset, offset, check.size(), hashOf(check), year.state()});
        PppdRecord record;
        record.program = parsed->program;
        record.pid = parsed->pid;
        record.message = std::move(message);
        const SyslogStamp& stamp = parsed->stamp;
        if (stamp.classic) {
            pending.push_back({batch.records.size(),
                               year.place(stamp.month, stamp.day, stamp.msecsOfDay), stamp.month,
                               stamp.day, stamp.msecsOfDay});
        } else {
            record.when = QDateTime::fromMSecsSinceEpoch(stamp.utcMsecs, Qt::UTC);
        }
        batch.records.append(record);
    }

    // The lines in [begin, end) that pppd, ModemManager or NetworkManager logged; the last may lack
    // its line end. A line every few kilobytes is sampled as well, in file order with those.
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
            const char* hit = SyslogLine::findRecord(from, end);
            if (hit == end)
                break;
            const char* before = findLastByte(begin, hit, '\n');
            const char* lineStart = before ? before + 1 : begin;
            const char* lineEnd = findByte(hit, end, '\n');
            if (!lineEnd)
                lineEnd = end;
            sampleUpTo(lineStart + 1);
            // NetworkManager logs a great deal; only the lines that name a connection count.
            if (*hit != 'N' ||
                QByteArrayView(hit, lineEnd).contains(ModemManagerCallBuilder::Activation))
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

SyslogReader::FileId SyslogReader::idOf(LogFileInput& input)
{
    return {input.device(), input.inode(), input.bytesAt(0, HeadLength)};
}

bool SyslogReader::holds(LogFileInput& input, const FileId& id, const Spot& spot) const
{
    if (!id.head.startsWith(m_files[size_t(spot.file)].head))
        return false;
    // The check bytes reach the place; without any (a read that found nothing new), the file
    // must still reach it: one cut shorter is read again.
    if (spot.checkLength == 0)
        return spot.offset == 0 || input.bytesAt(spot.offset - 1, 1).size() == 1;
    const QByteArray check = input.bytesAt(spot.checkFrom, spot.checkLength);
    return check.size() == spot.checkLength && hashOf(check) == spot.checkHash;
}

// Where the last read stopped, if it is still there: in the file, or in a file logrotate made
// of it (renamed, or copied before the file was emptied, compressed or not, once or more), and
// then the files rotated after that one and the file. A copy has another inode: its bytes tell.
std::vector<SyslogReader::Part> SyslogReader::onward(Part& current, QStringList& problems) const
{
    std::vector<Part> parts;
    if (current.id.sameFile(m_files[size_t(m_next.file)]) &&
        holds(*current.input, current.id, m_next)) {
        parts.push_back(std::move(current));
        parts.back().from = m_next.offset;
        return parts;
    }
    const QList<RotatedLogs::File> rotated = RotatedLogs::beside(m_path);
    for (qsizetype i = 0; i < rotated.size(); ++i) {
        std::unique_ptr<LogFileInput> input =
            LogFileInput::open(rotated.at(i).path, rotated.at(i).compressed, nullptr);
        if (!input)
            continue;
        const FileId id = idOf(*input);
        if (!holds(*input, id, m_next))
            continue;
        parts.push_back({std::move(input), id, m_next.offset});
        for (qsizetype newer = i - 1; newer >= 0; --newer) {
            QString error;
            std::unique_ptr<LogFileInput> next =
                LogFileInput::open(rotated.at(newer).path, rotated.at(newer).compressed, &error);
            if (!next) {
                problems << error;
                continue;
            }
            const FileId nextId = idOf(*next);
            parts.push_back({std::move(next), nextId, 0});
        }
        parts.push_back(std::move(current));
        return parts;
    }
    return parts;
}

// The file from its start, after the rotated files back to the newest that begins where the
// own log already covers; none of them when the file itself begins there.
std::vector<SyslogReader::Part> SyslogReader::wholeFiles(Part& current, QStringList& problems) const
{
    std::vector<Part> parts;
    if (m_covered) {
        const QDateTime covered = m_covered();
        const auto reachesBack = [&covered](LogFileInput& input) {
            const std::optional<qint64> begins = beginningOf(input);
            return covered.isValid() && begins && *begins <= covered.toMSecsSinceEpoch();
        };
        if (!reachesBack(*current.input)) {
            for (const RotatedLogs::File& file : RotatedLogs::beside(m_path)) {
                QString error;
                std::unique_ptr<LogFileInput> input =
                    LogFileInput::open(file.path, file.compressed, &error);
                if (!input) {
                    problems << error;
                    continue;
                }
                const bool enough = reachesBack(*input);
                const FileId id = idOf(*input);
                parts.push_back({std::move(input), id, 0});
                if (enough)
                    break;
            }
            std::reverse(parts.begin(), parts.end());
        }
    }
    parts.push_back(std::move(current));
    return parts;
}

// How far a read of several files has come, as a share of all their bytes on disk.
struct SyslogReader::Progress {
    ProgressSink* sink = nullptr;
    qint64 before = 0; // of the files read already
    qint64 total = 1;
    int shown = -1;

    void show(qint64 done)
    {
        const int percent = int(qMin<qint64>(100, (before + done) * 100 / total));
        if (sink && percent != shown)
            sink->setProgress(shown = percent);
    }
};

std::optional<SyslogReader::Batch> SyslogReader::read(QString* error, ProgressSink* progress)
{
    std::unique_ptr<LogFileInput> opened = LogFileInput::open(m_path, false, error);
    if (!opened)
        return std::nullopt;
    Part current{std::move(opened), {}, 0};
    current.id = idOf(*current.input);
    LogFileInput* const file = current.input.get();

    QStringList problems;
    std::vector<Part> parts;
    if (m_next.file >= 0)
        parts = onward(current, problems);
    Pass pass;
    pass.batch.fromStart = parts.empty();
    if (parts.empty())
        parts = wholeFiles(current, problems);
    else
        pass.year.setState(m_next.year);

    Progress shown{progress};
    shown.total = 0;
    for (const Part& part : parts)
        shown.total += qMax<qint64>(0, part.input->sizeOnDisk());
    shown.total = qMax<qint64>(1, shown.total);
    for (Part& part : parts) {
        pass.files.push_back(part.id);
        if (!readFrom(pass, *part.input, part.from, shown)) {
            // A rotated file that cannot be read on takes nothing read from the others away.
            if (part.input.get() == file) {
                if (error)
                    *error = file->errorString();
                return std::nullopt;
            }
            problems << part.input->errorString();
        }
        shown.before += qMax<qint64>(0, part.input->sizeOnDisk());
    }
    pass.finish(file->modified());

    m_files = std::move(pass.files);
    m_marks = std::move(pass.marks);
    m_end = pass.end;
    m_next = m_end;
    pass.batch.problems = problems.join(u' ');
    return std::move(pass.batch);
}

bool SyslogReader::readFrom(Pass& pass, LogFileInput& input, qint64 from, Progress& progress)
{
    if (m_buffer.size() != BlockSize)
        m_buffer = QByteArray(BlockSize, Qt::Uninitialized);
    char* const buffer = m_buffer.data();
    if (!input.seek(from))
        return false;
    qint64 consumed = from; // where in the file buffer[0] is
    qsizetype kept = 0;     // a line begun in the last block, still without its end
    bool longLine = false;  // the start of the buffer is the rest of a line too long for it
    QByteArray tail;        // the last bytes before `consumed`, read in this read
    const auto keepTail = [&tail](const char* begin, const char* end) {
        const qsizetype length = qMin<qsizetype>(end - begin, CheckLength);
        tail.append(end - length, length);
        tail.remove(0, qMax<qsizetype>(0, tail.size() - CheckLength));
    };
    while (true) {
        const qint64 got = input.read(buffer + kept, BlockSize - kept);
        if (got < 0)
            return false;
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
            keepTail(buffer, buffer + length);
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
        keepTail(buffer, complete);
        consumed += complete - buffer;
        kept = length - (complete - buffer);
        std::memmove(buffer, complete, size_t(kept));
        progress.show(input.doneOnDisk());
    }

    // The last complete line tells the year of the file's end.
    const qint64 checkFrom = consumed - tail.size();
    if (tail.size() >= 2 && tail.endsWith('\n')) {
        const qsizetype before = tail.lastIndexOf('\n', tail.size() - 2);
        if (before >= 0 || checkFrom == from)
            pass.sample(QByteArrayView(tail).sliced(before + 1, tail.size() - before - 2));
    }
    pass.end = {int(pass.files.size()) - 1, consumed, checkFrom, tail.size(), hashOf(tail),
                pass.year.state()};
    // A last line without its line end is being written: read, but read again next time.
    if (kept > 0 && !longLine)
        pass.scan(buffer, buffer + kept, consumed);
    return true;
}
