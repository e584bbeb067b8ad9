// The own log reader and the load cycle on an own log of any bytes, beside a modem log with a
// finished call, a call the own log may hold in progress, and one still in progress. The load
// loses no record: each one of the own log and of the modem log is in the rewritten own log
// (but an in-progress copy whose completed call the modem log holds), lines it cannot read are
// kept byte for byte, the file reads back to the table, and a second load changes nothing.
#include "fuzzsupport.h"

#include "log/logmerger.h"
#include "log/ownlogfile.h"
#include "sources/modemlog/modemlogscanner.h"

#include <QSet>

namespace
{
const QByteArray ModemLog = "04-02-2000 10:05:00.07 - Connection established at 45333bps.\r\n"
                            "04-02-2000 11:00:12.07 - Hanging up the modem.\r\n"
                            "04-03-2000 23:47:10.07 - Connection established at 28800bps.\r\n"
                            "04-04-2000 01:06:20.07 - Hanging up the modem.\r\n"
                            "04-05-2000 09:00:00.07 - Connection established at 45333bps.\r\n";

QSet<LogMerger::Key> keys(const QList<DatedConnection>& records)
{
    QSet<LogMerger::Key> out;
    for (const DatedConnection& c : records)
        out.insert(LogMerger::connectionKey(c));
    return out;
}

// For the report of a finding.
QString show(const DatedConnection& c)
{
    return OwnLogFile::formatRecord(c);
}

// The own log record is an in-progress copy of a call the modem log completed.
bool completedInModemLog(const DatedConnection& record, const QList<DatedConnection>& modem)
{
    if (record.record.starttime != record.record.endtime)
        return false;
    for (const DatedConnection& c : modem) {
        if (c.date == record.date && c.record.starttime == record.record.starttime)
            return true;
    }
    return false;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString folder = Fuzz::scratch();
    ConnectionTable table;
    const QString logpath = folder + QStringLiteral("/Standard Modem.log");
    Fuzz::writeRaw(logpath, ModemLog);
    const OwnLogFile ownLog(OwnLogFile::pathFor(logpath));
    Fuzz::writeRaw(ownLog.path(), bytes);
    const OwnLogFile::ReadResult before = ownLog.read();
    Fuzz::require(before.status == OwnLogFile::ReadStatus::Read, "own log read");
    Fuzz::require(before.skipped == before.unreadable.size(), "skipped lines counted");
    for (const DatedConnection& c : before.records) {
        Fuzz::require(c.fromOwnLog && c.date.isValid(), "record date");
        Fuzz::require(Fuzz::isCanonicalTime(c.record.starttime) &&
                          Fuzz::isCanonicalTime(c.record.endtime),
                      "record times hh:mm:ss", c.record.starttime + " " + c.record.endtime);
        // What the load writes, the reader reads back as the same record.
        const std::optional<DatedConnection> again =
            OwnLogFile::parseRecord(OwnLogFile::formatRecord(c));
        Fuzz::require(again && LogMerger::sameConnection(*again, c), "record round trip",
                      OwnLogFile::formatRecord(c));
    }

    Fuzz::CostedLoader loader(table, logpath, folder + QStringLiteral("/program"));
    const LoadReport report = loader.lookinlog();
    Fuzz::checkTable(table);
    Fuzz::require(report.ownLogWritten, "own log written", report.ownLogError);

    const OwnLogFile::ReadResult after = ownLog.read();
    // Blank lines are not written back, so lines may move up; their bytes and order stay.
    const auto bytesOf = [](const QList<OwnLogFile::KeptLine>& lines) {
        QList<QByteArray> bytes;
        for (const OwnLogFile::KeptLine& line : lines)
            bytes << line.bytes;
        return bytes;
    };
    Fuzz::require(bytesOf(after.unreadable) == bytesOf(before.unreadable),
                  "unreadable lines kept byte for byte");
    Fuzz::require(after.records.size() == report.connectionsRead, "own log holds every connection");
    Fuzz::require(Fuzz::rows(after.records.mid(0, ConnectionTable::Capacity)) == Fuzz::rows(table),
                  "own log reads back to the table");
    const QSet<LogMerger::Key> kept = keys(after.records);
    const QList<DatedConnection> modem = ModemLogScanner::scan(ModemLog);
    for (const DatedConnection& c : modem)
        Fuzz::require(kept.contains(LogMerger::connectionKey(c)), "modem log connection kept",
                      show(c));
    for (const DatedConnection& c : before.records)
        Fuzz::require(kept.contains(LogMerger::connectionKey(c)) || completedInModemLog(c, modem),
                      "own log record kept", show(c));

    const QByteArray written = Fuzz::readRaw(ownLog.path());
    const QStringList table1 = Fuzz::rows(table);
    loader.lookinlog();
    Fuzz::require(Fuzz::rows(table) == table1, "a second load finds the same table");
    Fuzz::require(Fuzz::readRaw(ownLog.path()) == written, "a second load writes the same file");
    return 0;
}
