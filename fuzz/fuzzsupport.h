#pragma once

#include "log/connectiontable.h"
#include "log/datedconnection.h"
#include "log/loadsession.h"
#include "platform/progresssink.h"
#include "tariff/tarifftable.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

// What every fuzz target shares: a scratch folder, the checks of the table's invariants, and a
// stop that libFuzzer reports as a finding with the input that caused it.
namespace Fuzz
{

// Ends the run as a finding when the condition does not hold.
void require(bool condition, const char* what, const QString& detail = {});

// A folder of this process for files the target writes, emptied for every input.
QString scratch();
void writeRaw(const QString& path, const QByteArray& bytes);
QByteArray readRaw(const QString& path);

// A tariff with amounts in every rate, so that costing has something to multiply.
TariffTable sampleTariff();

// The program's load cycle on a table from the modem log at `logpath`, each connection costed
// with the sample tariff.
class CostedLoader
{
public:
    CostedLoader(ConnectionTable& table, const QString& logpath, const QString& programDirectory);
    LoadReport lookinlog() { return m_session.load(); }
    ProgressSink& progress() { return m_progress; }

private:
    TariffTable m_tariff;
    SilentProgress m_progress;
    LoadSession m_session;
};

// The table after a load: count 0..1000; each kept slot an ISO date, hh:mm:ss times, lengths
// of a day at most and a finite cost; every slot above the count (and slot 0) untouched.
void checkTable(const ConnectionTable& table);
// A time as the table holds it: exactly hh:mm:ss, and a valid time.
bool isCanonicalTime(const QString& text);
// "date start end" of slots 1..count, and of a list of records, to compare the two.
QStringList rows(const ConnectionTable& table);
QStringList rows(const QList<DatedConnection>& records);

} // namespace Fuzz
