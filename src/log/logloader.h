#pragma once

#include "datedconnection.h"
#include "loadreport.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <functional>

class ConnectionTable;
class ProgressSink;

// The load cycle: scans the modem log, merges and rewrites the own log, costs every connection
// and lays the user's extra information over the markers.
class LogLoader
{
public:
    // Costs one slot; true when the normal costing path ran (after which the extra information
    // is due for every slot up to that one).
    using Coster = std::function<bool(ConnectionTable& table, int slot)>;

    LogLoader(ConnectionTable& table, Coster coster, ProgressSink& progress,
              QString programDirectory);

    // Rebuilds the table from the files at table.logpath.
    LoadReport lookinlog();
    // A read-only load leaves the own log as it is: the table is what a load would write there.
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    const LoadReport& lastReport() const { return m_lastReport; }
    // Whether the modem log differs from what the last load read (grown, changed, gone, or no
    // load has read it yet).
    bool modemLogChanged() const;
    // The modem log's size when the last load read it; -1 when it could not be read.
    qint64 seenSize() const { return m_seenSize; }

private:
    struct Pass {
        QList<DatedConnection> connections; // what the table and the own log receive
        bool repeat = false;
    };
    struct ModemLogRead;
    void remember(const ModemLogRead& log);
    Pass readAndWriteBack(const QList<DatedConnection>& scanned, LoadReport& report);
    void fillTable(const QList<DatedConnection>& connections);
    void costAndOverlay(const LoadReport& report);
    void finish();

    ConnectionTable& m_table;
    Coster m_coster;
    ProgressSink& m_progress;
    QString m_programDirectory;
    LoadReport m_lastReport;
    bool m_readOnly = false;
    // What the last load read from the modem log.
    QString m_seenPath;
    qint64 m_seenSize = -1;
    QDateTime m_seenModified;
    bool m_seenRacy = false;
    QByteArray m_seenHash;
};
