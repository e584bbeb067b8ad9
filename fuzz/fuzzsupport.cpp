#include "fuzzsupport.h"

#include "platform/dateparser.h"
#include "platform/formats.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace Fuzz
{

void require(bool condition, const char* what, const QString& detail)
{
    if (condition)
        return;
    std::fprintf(stderr, "invariant broken: %s %s\n", what, qPrintable(detail));
    std::abort();
}

QString scratch()
{
    // libFuzzer ends the process without running destructors, so scripts/fuzz hands over a
    // folder it removes itself. Run by hand, a target uses a temporary folder on tmpfs where
    // there is one: every load syncs its files, which costs nothing there.
    static const QString path = [] {
        const QString given = qEnvironmentVariable("DIALTRAK_FUZZ_SCRATCH");
        if (!given.isEmpty() && QDir().mkpath(given))
            return given;
        const QString shm = QStringLiteral("/dev/shm");
        static QTemporaryDir made((QFileInfo(shm).isWritable() ? shm : QDir::tempPath()) +
                                  QStringLiteral("/dialtrak-fuzz-XXXXXX"));
        if (!made.isValid())
            std::abort();
        return made.path();
    }();
    QDir folder(path);
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden))
        folder.remove(name);
    return path;
}

void writeRaw(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    require(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(),
            "scratch file written", path);
}

QByteArray readRaw(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TariffTable sampleTariff()
{
    TariffTable tariff;
    const char* rates[] = {"0.04", "0.015", "0.01", "0.2", "0"};
    for (int r = 0; r < TariffTable::RateCount; ++r)
        tariff.setRate(r, QString::fromLatin1(rates[r]));
    tariff.setMinimum(QStringLiteral("0.05"));
    tariff.setDiscount(QStringLiteral("10"));
    tariff.setboxrates();
    return tariff;
}

CostedLoader::CostedLoader(ConnectionTable& table, const QString& logpath,
                           const QString& programDirectory)
    : m_tariff(sampleTariff()), m_session(table, m_tariff, m_progress, programDirectory)
{
    // Whatever the input looks like, it is read as the modem log it was chosen as.
    m_session.use({SourceChoice::Kind::ModemLog, logpath});
}

bool isCanonicalTime(const QString& text)
{
    return text.size() == 8 && text.at(2) == QLatin1Char(':') && text.at(5) == QLatin1Char(':') &&
           DateParser::isValidTime(text);
}

namespace
{
bool isBlank(const ConnectionRecord& record)
{
    return record.conndate.isNull() && record.starttime.isNull() && record.endtime.isNull() &&
           record.durhours == 0 && record.durmins == 0 && record.dursecs == 0 &&
           record.cost == 0.0f && record.otherinfo.isNull();
}
} // namespace

void checkTable(const ConnectionTable& table)
{
    const int count = table.connectioncount();
    require(count >= 0 && count <= ConnectionTable::Capacity, "count within 0..1000",
            QString::number(count));
    require(isBlank(table[0]), "slot 0 untouched");
    for (int slot = 1; slot <= count; ++slot) {
        const ConnectionRecord& r = table[slot];
        const QString where = QString::number(slot) + QLatin1Char(' ') + r.conndate +
                              QLatin1Char(' ') + r.starttime + QLatin1Char(' ') + r.endtime;
        const std::optional<QDate> date = DateParser::parseDate(r.conndate);
        require(date && Formats::isoDate(*date) == r.conndate, "slot date valid and ISO", where);
        require(isCanonicalTime(r.starttime) && isCanonicalTime(r.endtime), "slot times hh:mm:ss",
                where);
        require(std::isfinite(r.cost), "cost finite",
                where + QLatin1Char(' ') + QString::number(double(r.cost)));
        require(r.durhours >= 0 && r.durhours <= 23 && r.durmins >= 0 && r.durmins <= 59 &&
                    r.dursecs >= 0 && r.dursecs <= 59,
                "length within a day", where);
    }
    for (int slot = count + 1; slot <= ConnectionTable::Capacity; ++slot)
        require(isBlank(table[slot]), "slot above the count untouched", QString::number(slot));
}

QStringList rows(const ConnectionTable& table)
{
    QStringList out;
    for (int slot = 1; slot <= table.connectioncount(); ++slot)
        out << table[slot].conndate + QLatin1Char(' ') + table[slot].starttime + QLatin1Char(' ') +
                   table[slot].endtime;
    return out;
}

QStringList rows(const QList<DatedConnection>& records)
{
    QStringList out;
    for (const DatedConnection& c : records)
        out << Formats::isoDate(c.date) + QLatin1Char(' ') + c.record.starttime + QLatin1Char(' ') +
                   c.record.endtime;
    return out;
}

} // namespace Fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // As the tests run: a British locale, whatever the machine's.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    return 0;
}
