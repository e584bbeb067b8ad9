// The tariff load from a settings file of any values (INI-like lines "[Section]" and
// "key=value"): the amounts come out normalised, the discount within 0..100, every cell tag is
// its rate's amount, costing a week of calls gives finite costs and sound markers, and the
// table saved and loaded again is the same.
#include "fuzzsupport.h"

#include "platform/progresssink.h"
#include "platform/settingsstore.h"
#include "platform/textfile.h"
#include "tariff/callcoster.h"
#include "tariff/moneytext.h"

#include <QMap>

#include <cmath>

namespace
{
// The settings store with the values of the file, and whatever is written afterwards.
class FileStore : public SettingsStore
{
public:
    explicit FileStore(const QString& path) : SettingsStore(path) {}
    QString read(const QString& section, const QString& key,
                 const QString& defaultValue) const override
    {
        return m_values.value(section + QLatin1Char('/') + key, defaultValue);
    }
    void write(const QString& section, const QString& key, const QString& value) override
    {
        m_values.insert(section + QLatin1Char('/') + key, value);
    }
    void parse(const QString& text)
    {
        QString section;
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            const QString trimmed = line.trimmed();
            if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
                section = trimmed.mid(1, trimmed.size() - 2);
                continue;
            }
            const qsizetype equals = line.indexOf(QLatin1Char('='));
            if (equals > 0)
                write(section, line.left(equals).trimmed(), line.mid(equals + 1));
        }
    }

private:
    QMap<QString, QString> m_values;
};

const QStringList Markers{"", "Peak Rate", "Reconnection", "Unknown End", "ERROR"};

// Calls on every day of a week: within an hour, over an hour's change, over midnight, with an
// unknown end, and one a minute after the previous.
void fillWeek(ConnectionTable& table)
{
    const QDate monday(2000, 4, 3);
    for (int day = 0; day < 7; ++day) {
        const QString date = monday.addDays(day).toString(Qt::ISODate);
        const char* calls[][2] = {{"07:10:00", "07:40:30"},
                                  {"07:50:12", "09:05:59"},
                                  {"09:07:00", "09:07:00"},
                                  {"17:59:59", "18:00:01"},
                                  {"23:30:00", "00:45:10"}};
        for (const auto& call : calls) {
            ConnectionRecord record;
            record.conndate = date;
            record.starttime = QString::fromLatin1(call[0]);
            record.endtime = QString::fromLatin1(call[1]);
            table.append(record);
        }
    }
}

void checkSame(const TariffTable& a, const TariffTable& b)
{
    for (int r = 0; r < TariffTable::RateCount; ++r)
        Fuzz::require(a.rate(r) == b.rate(r), "rate saved and loaded", a.rate(r));
    Fuzz::require(a.minimum() == b.minimum() && a.discount() == b.discount() &&
                      a.identify() == b.identify() && a.twelveHour() == b.twelveHour(),
                  "fields saved and loaded");
    Fuzz::require(a.holidays() == b.holidays() && a.billPlan() == b.billPlan(),
                  "holidays and bill saved and loaded", a.holidays().toText());
    for (int day = 0; day < TariffTable::DayCount; ++day) {
        for (int hour = 0; hour < TariffTable::HourCount; ++hour)
            Fuzz::require(a.cellColour(day, hour) == b.cellColour(day, hour) &&
                              a.cellTag(day, hour) == b.cellTag(day, hour),
                          "cell saved and loaded", TariffTable::key(day, hour));
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    FileStore store(Fuzz::scratch() + QStringLiteral("/unused.conf"));
    store.parse(TextFile::decode(bytes));
    TariffTable tariff;
    SilentProgress progress;
    tariff.load(store, progress);

    for (int r = 0; r < TariffTable::RateCount; ++r)
        Fuzz::require(MoneyText::normalise(tariff.rate(r)) == tariff.rate(r), "rate normalised",
                      tariff.rate(r));
    Fuzz::require(MoneyText::normalise(tariff.minimum()) == tariff.minimum(), "minimum normalised",
                  tariff.minimum());
    const BillPlan& plan = tariff.appliedBillPlan();
    Fuzz::require(plan.billDay() >= BillPlan::FirstBillDay &&
                      plan.billDay() <= BillPlan::LastBillDay &&
                      MoneyText::normalise(plan.budget()) == plan.budget() &&
                      MoneyText::normalise(plan.volumeCap()) == plan.volumeCap(),
                  "bill day 1..28, budget and cap normalised", plan.budget());
    const std::optional<double> discount = MoneyText::toNumber(tariff.discount());
    Fuzz::require(discount && *discount >= 0 && *discount <= 100, "discount 0..100",
                  tariff.discount());
    for (int day = 0; day < TariffTable::DayCount; ++day) {
        for (int hour = 0; hour < TariffTable::HourCount; ++hour) {
            const int rate = tariff.rateOfCell(day, hour);
            Fuzz::require(tariff.cellTag(day, hour) == (rate < 0 ? QString() : tariff.rate(rate)),
                          "cell tag is its rate's amount", TariffTable::key(day, hour));
        }
    }

    ConnectionTable table;
    fillWeek(table);
    const CallCoster coster(tariff);
    for (int slot = 1; slot <= table.connectioncount(); ++slot) {
        coster.findvariables(table, slot);
        const ConnectionRecord& r = table[slot];
        const QString where = r.conndate + QLatin1Char(' ') + r.starttime;
        Fuzz::require(std::isfinite(r.cost), "cost finite",
                      where + QLatin1Char(' ') + QString::number(double(r.cost)));
        Fuzz::require(Markers.contains(r.otherinfo), "marker", r.otherinfo);
        Fuzz::require(r.durhours >= 0 && r.durhours <= 23 && r.durmins >= 0 && r.durmins <= 59 &&
                          r.dursecs >= 0 && r.dursecs <= 59,
                      "length within a day", where);
    }
    Fuzz::checkTable(table);

    FileStore saved(Fuzz::scratch() + QStringLiteral("/unused.conf"));
    Fuzz::require(tariff.save(saved).saved, "a loaded tariff saves");
    TariffTable reloaded;
    reloaded.load(saved, progress);
    checkSame(tariff, reloaded);
    return 0;
}
