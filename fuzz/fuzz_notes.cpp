// The extra information file on a notes file of any bytes: at most one note per slot, each on
// one line; laid over a table of some connections, every note lands on its own slot; saved,
// the file reads back to the table's notes (under a marker, the note the file held, or none) and
// keeps every note the table did not reach; and saving again writes the same bytes.
#include "fuzzsupport.h"

#include "log/extrainfofile.h"

#include <QCryptographicHash>

namespace
{
const QStringList Markers{"", "Peak Rate", "Reconnection", "Unknown End", "ERROR"};

bool isOneLine(const QString& text)
{
    return !text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')) &&
           !text.contains(QChar(u'\u2028')) && !text.contains(QChar(u'\u2029'));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString folder = Fuzz::scratch();
    const QString logpath = folder + QStringLiteral("/Standard Modem.log");
    const ExtraInfoFile notes(ExtraInfoFile::pathFor(logpath, folder));
    Fuzz::writeRaw(notes.path(), bytes);

    const std::optional<QStringList> texts = notes.read();
    Fuzz::require(texts.has_value(), "notes read");
    Fuzz::require(texts->size() <= ConnectionTable::Capacity, "at most one note per slot");
    for (const QString& text : *texts)
        Fuzz::require(isOneLine(text), "note on one line", text);

    // A table of as many connections as a byte of the input's hash says, some with markers.
    const QByteArray hash = QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
    const int count = int(qMin<qsizetype>(texts->size() + 3, ConnectionTable::Capacity)) *
                      (static_cast<unsigned char>(hash.at(0)) % 5) / 4;
    ConnectionTable table;
    for (int slot = 1; slot <= count; ++slot) {
        ConnectionRecord record;
        record.conndate = QStringLiteral("2000-04-02");
        record.starttime = record.endtime = QStringLiteral("10:00:00");
        record.otherinfo = Markers.at(static_cast<unsigned char>(hash.at(slot % hash.size())) % 5);
        table.append(record);
    }
    const ConnectionTable unnoted = table;
    Fuzz::require(notes.gettheextrabits(table), "notes laid over the table");
    Fuzz::require(table[0].otherinfo.isNull(), "slot 0 untouched");
    for (int slot = 1; slot <= ConnectionTable::Capacity; ++slot) {
        const QString text = texts->value(slot - 1);
        const QString& expected = text.isEmpty() ? unnoted[slot].otherinfo : text;
        Fuzz::require(table[slot].otherinfo == expected, "note on its own slot",
                      QString::number(slot));
    }

    QString error;
    Fuzz::require(notes.savetheextrabits(table, &error), "notes saved", error);
    const std::optional<QStringList> saved = notes.read();
    Fuzz::require(saved.has_value(), "saved notes read");
    Fuzz::require(saved->size() >= texts->size(), "no note line dropped");
    for (int slot = 1; slot <= saved->size(); ++slot) {
        const QString& note = table[slot].otherinfo;
        const QString stored = texts->value(slot - 1);
        const QString hidden = ExtraInfoFile::isMarker(stored) ? QString() : stored;
        const QString expected =
            slot <= count ? (ExtraInfoFile::isMarker(note) ? hidden : note) : stored;
        Fuzz::require(saved->at(slot - 1) == expected, "saved note reads back",
                      QString::number(slot) + QStringLiteral(": ") + saved->at(slot - 1) +
                          QStringLiteral(" | ") + expected);
    }
    const QByteArray once = Fuzz::readRaw(notes.path());
    Fuzz::require(notes.savetheextrabits(table, &error), "notes saved again", error);
    Fuzz::require(Fuzz::readRaw(notes.path()) == once, "saving again writes the same file");
    return 0;
}
