// The modem log scanner and the load cycle on a modem log of any bytes: every connection found
// has a real date and hh:mm:ss times, the table keeps its invariants, and the own log the load
// writes reads back to exactly the connections it holds. Compacting the log changes none of the
// connections found in it, and compacting again changes nothing.
#include "fuzzsupport.h"

#include "log/ownlogfile.h"
#include "platform/formats.h"
#include "sources/modemlog/modemlogcompactor.h"
#include "sources/modemlog/modemlogscanner.h"

namespace
{
// An input that starts with this byte is a log repeated: the next byte + 1 times the rest, so
// that logs of more than the table's 1000 connections are reached with small inputs. Only short
// rests are repeated, so that one input never takes seconds.
constexpr unsigned char Repeat = 0xFF;
constexpr size_t LongestRepeated = 512;

QByteArray logOf(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (size < 2 || data[0] != Repeat || size - 2 > LongestRepeated)
        return bytes;
    return bytes.mid(2).repeated(data[1] + 1);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray log = logOf(data, size);
    const QList<DatedConnection> scanned = ModemLogScanner::scan(log);
    // Read in pieces, as a load reads a file, the scan finds the same connections.
    const qsizetype piece = 1 + qsizetype(size % 97);
    ModemLogScanner pieces;
    for (qsizetype end = 0; end < log.size();) {
        const qsizetype start = qMax<qsizetype>(0, end - ModemLogScanner::Carry);
        end = qMin(log.size(), end + piece);
        pieces.feed(QByteArrayView(log).sliced(start, end - start), start);
    }
    Fuzz::require(Fuzz::rows(pieces.finish()) == Fuzz::rows(scanned), "scanned in pieces");
    for (const DatedConnection& c : scanned) {
        Fuzz::require(c.date.isValid() && c.record.conndate == Formats::ddMmmYy(c.date),
                      "scanned date", c.record.conndate);
        Fuzz::require(Fuzz::isCanonicalTime(c.record.starttime) &&
                          Fuzz::isCanonicalTime(c.record.endtime),
                      "scanned times hh:mm:ss", c.record.starttime + " " + c.record.endtime);
        Fuzz::require(!c.fromOwnLog, "scanned from the modem log");
    }

    const QString folder = Fuzz::scratch();
    ConnectionTable table;
    const QString logpath = folder + QStringLiteral("/Standard Modem.log");
    Fuzz::writeRaw(logpath, log);
    Fuzz::CostedLoader loader(table, logpath, folder + QStringLiteral("/program"));
    const LoadReport report = loader.lookinlog();

    Fuzz::require(report.modemLogOpened, "modem log opened");
    Fuzz::checkTable(table);
    // No own log to merge with: every connection of the modem log is kept, in log order.
    Fuzz::require(report.connectionsRead == scanned.size(), "every connection kept");
    Fuzz::require(report.overflow == (scanned.size() > ConnectionTable::Capacity), "overflow");
    Fuzz::require(Fuzz::rows(table) == Fuzz::rows(scanned.mid(0, ConnectionTable::Capacity)),
                  "table in log order");
    if (scanned.isEmpty())
        return 0;
    Fuzz::require(report.ownLogWritten, "own log written", report.ownLogError);
    const OwnLogFile::ReadResult own = OwnLogFile(OwnLogFile::pathFor(logpath)).read();
    Fuzz::require(own.status == OwnLogFile::ReadStatus::Read && own.skipped == 0,
                  "own log reads back whole");
    Fuzz::require(Fuzz::rows(own.records) == Fuzz::rows(scanned), "own log holds every connection");

    QString error;
    Fuzz::require(ModemLogCompactor::cleanup(logpath, loader.progress(), &error), "compacted",
                  error);
    const QByteArray compacted = Fuzz::readRaw(logpath);
    Fuzz::require(Fuzz::rows(ModemLogScanner::scan(compacted)) == Fuzz::rows(scanned),
                  "compacting keeps every connection");
    Fuzz::require(ModemLogCompactor::cleanup(logpath, loader.progress(), &error), "compacted again",
                  error);
    Fuzz::require(Fuzz::readRaw(logpath) == compacted, "compacting twice changes nothing");
    return 0;
}
