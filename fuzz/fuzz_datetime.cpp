// The date parser and the time validator on any text, in four locales: whatever they accept is
// a real date or time, and every form the program writes of it reads back as the same.
#include "fuzzsupport.h"

#include "platform/dateparser.h"
#include "platform/formats.h"
#include "platform/textfile.h"

#include <QLocale>

namespace
{
const QList<QLocale> Locales{QLocale(QLocale::English, QLocale::UnitedKingdom),
                             QLocale(QLocale::English, QLocale::UnitedStates),
                             QLocale(QLocale::French, QLocale::France),
                             QLocale(QLocale::German, QLocale::Germany)};

bool inCenturyWindow(const QDate& date)
{
    return date.year() >= 1930 && date.year() <= 2029;
}

void checkDate(const QString& text)
{
    const std::optional<QDate> date = DateParser::parseDate(text);
    if (!date)
        return;
    Fuzz::require(date->isValid() && date->year() >= 1 && date->year() <= 9999, "date valid", text);
    // The own log's form reads back as the same day in every locale; the display forms with a
    // two-digit year only within the century window.
    Fuzz::require(DateParser::parseDate(Formats::isoDate(*date)) == date, "ISO date read back",
                  text);
    if (inCenturyWindow(*date)) {
        Fuzz::require(DateParser::parseDate(Formats::ddMmmYy(*date)) == date, "dd mmm yy read back",
                      text + " -> " + Formats::ddMmmYy(*date));
        Fuzz::require(DateParser::parseDate(Formats::shortDate(*date)) == date,
                      "short date read back", text + " -> " + Formats::shortDate(*date));
    }
}

void checkTime(const QString& text)
{
    const std::optional<QTime> time = DateParser::parseTime(text);
    Fuzz::require(DateParser::isValidTime(text) == time.has_value(), "validator agrees", text);
    if (!time)
        return;
    Fuzz::require(time->isValid() && time->msec() == 0, "time valid", text);
    const QString canonical = time->toString(QStringLiteral("hh:mm:ss"));
    Fuzz::require(DateParser::parseTime(canonical) == time, "hh:mm:ss read back", text);
    Fuzz::require(DateParser::parseTime(Formats::hhMmAmPm(*time)) ==
                      QTime(time->hour(), time->minute()),
                  "hh:mm AMPM read back", text + " -> " + Formats::hhMmAmPm(*time));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    QLocale::setDefault(Locales.at(data[0] % Locales.size()));
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const QString text = TextFile::decode(bytes);
    checkDate(text);
    checkTime(text);
    const int month = DateParser::monthFromName(text);
    Fuzz::require(month >= 0 && month <= 12, "month 0..12", text);
    return 0;
}
