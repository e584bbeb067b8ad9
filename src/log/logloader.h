#pragma once

#include "datedconnection.h"
#include "loadreport.h"

#include <QList>
#include <QString>
#include <functional>
#include <memory>

class ConnectionSource;
class ConnectionTable;
class ProgressSink;

// The load cycle: reads the source (the modem log, or pppd's records), merges and rewrites the
// own log, costs every connection and lays the user's extra information over the markers.
class LogLoader
{
public:
    // Costs one slot; true when the normal costing path ran (after which the extra information
    // is due for every slot up to that one).
    using Coster = std::function<bool(ConnectionTable& table, int slot)>;

    // Reads the modem log at table.logpath.
    LogLoader(ConnectionTable& table, Coster coster, ProgressSink& progress,
              const QString& programDirectory);
    // Reads the source given, which outlives the loader or is replaced before.
    LogLoader(ConnectionTable& table, Coster coster, ProgressSink& progress,
              ConnectionSource& source);
    ~LogLoader();

    ConnectionSource& source() const { return *m_source; }
    void setSource(ConnectionSource& source) { m_source = &source; }

    // Rebuilds the table from the source and its own log.
    LoadReport lookinlog();
    // A read-only load leaves the own log as it is: the table is what a load would write there.
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    const LoadReport& lastReport() const { return m_lastReport; }
    // Whether the source differs from what the last load read (grown, changed, gone, or no
    // load has read it yet).
    bool sourceChanged() const;

private:
    struct Pass {
        QList<DatedConnection> connections; // what the table and the own log receive
        bool repeat = false;
    };
    Pass readAndWriteBack(const QList<DatedConnection>& scanned, LoadReport& report);
    void fillTable(const QList<DatedConnection>& connections);
    void costAndOverlay(const LoadReport& report);
    void finish();

    ConnectionTable& m_table;
    Coster m_coster;
    ProgressSink& m_progress;
    std::unique_ptr<ConnectionSource> m_modemLog; // when no other source is given
    ConnectionSource* m_source = nullptr;
    LoadReport m_lastReport;
    bool m_readOnly = false;
};
