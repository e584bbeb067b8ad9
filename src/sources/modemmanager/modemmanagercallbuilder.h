#pragma once

#include "sources/pppd/pppdconnection.h"
#include "sources/pppd/pppdrecord.h"

#include <QList>

// Finds ModemManager's calls among the records of this computer, given in time order. A call is
// one bearer's session: it ends at its "connection #N finished" line, lasts the duration given
// there, and carries the bytes given there when the modem reports them. Versions that log no
// "finished" line (1.12 and older) give the time from "connected" to the modem's next state,
// by the clock, and no bytes. A modem still connected at the end of the records is a call in
// progress; one whose ModemManager process or boot is over without an end is lost, its end
// unknown. A call that overlaps one of pppd's is that call (NetworkManager runs pppd for a
// modem that speaks PPP): pppd's records tell it, with its bytes.
class ModemManagerCallBuilder
{
public:
    // ModemManager counts a call from the bearer's connect, logged with the modem's "connected"
    // a moment before or after: within these seconds the two are one start, so a call first
    // seen in progress keeps its start when it ends.
    static constexpr qint64 SameStart = 10;
    // NetworkManager starts a connection at most these seconds before the modem is connected.
    static constexpr qint64 ActivationLead = 120;

    struct Result {
        QList<PppdConnection> calls;
        // The "connected" record of the earliest call in progress, where a later read should
        // start again; the number of records when there is none.
        qsizetype resumeAt = 0;
    };

    // `pppdCalls`: the calls pppd's records give. `names`: NetworkManager's records beside
    // `records`, which hold some of their own too.
    static Result build(const QList<PppdRecord>& records, const QList<PppdConnection>& pppdCalls,
                        const QList<PppdRecord>& names = {});
    // What every message that names a connection holds: a reader may leave out the others.
    static constexpr const char* Activation = "): Activation: starting connection '";
    // The name in NetworkManager's "device (cdc-wdm0): Activation: starting connection 'NAME'
    // (UUID)" for a modem's port (cdc-wdm, tty, wwan); empty for any other message or device.
    static QString activationName(QStringView message);
};
