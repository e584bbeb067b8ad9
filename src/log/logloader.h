#pragma once

#include "datedconnection.h"
#include "loadreport.h"

#include <QList>
#include <QString>
#include <functional>

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
    // Costs what depends on a call's bill as well, once every slot is costed on its own.
    using BillCoster = std::function<void(ConnectionTable& table)>;

    // Reads the source given, which outlives the loader.
    LogLoader(ConnectionTable& table, Coster coster, ProgressSink& progress,
              ConnectionSource& source);

    ConnectionSource& source() const { return m_source; }

    // Where the user's notes are laid over the table after costing.
    enum class Notes {
        // Over the slots costed the normal way (and those above the count), as the costing of
        // each connection lays them.
        AsCosted,
        // Over every slot: the start-up lays the whole file over the table once more after its
        // load, so a note shows even on a call whose costing failed.
        Everywhere,
    };
    // Who asked for the load: the user or the start-up, or a live source's news.
    enum class Reading {
        // A source that cannot be opened leaves the table empty: the window asks for another.
        Asked,
        // A source that cannot be opened leaves the table as it was (with sourceLost reported):
        // the stored connections stay shown until the source is back.
        Live,
    };
    // Rebuilds the table from the source and its own log.
    LoadReport lookinlog(Notes notes = Notes::AsCosted, Reading reading = Reading::Asked);
    // A read-only load leaves the own log as it is: the table is what a load would write there.
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    void setBillCoster(BillCoster coster) { m_billCoster = std::move(coster); }
    // Whether the source differs from what the last load read (grown, changed, gone, or no
    // load has read it yet).
    bool sourceChanged() const;

private:
    struct Pass {
        QList<DatedConnection> connections; // what the table and the own log receive
        bool repeat = false;
    };
    Pass readAndWriteBack(const QList<DatedConnection>& scanned, LoadReport& report);
    // Stores the bytes the connections bring and gives each the bytes stored for it.
    void keepVolumes(QList<DatedConnection>& connections, LoadReport& report) const;
    void fillTable(const QList<DatedConnection>& connections);
    // Takes the calls still going on out of the connections into the report.
    static void setAsideCallsInProgress(QList<DatedConnection>& connections, LoadReport& report);
    void costAndOverlay(LoadReport& report, Notes notes);
    void finish();

    ConnectionTable& m_table;
    Coster m_coster;
    BillCoster m_billCoster;
    ProgressSink& m_progress;
    ConnectionSource& m_source;
    bool m_readOnly = false;
};
