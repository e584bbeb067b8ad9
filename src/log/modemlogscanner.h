#pragma once

#include "datedconnection.h"

#include <QByteArrayView>
#include <QList>

class ProgressSink;

// Finds the connections in the modem driver's log: each "Connection established" line and the
// "Hanging up the modem." line that ends it.
class ModemLogScanner
{
public:
    // Every connection in log order, however many there are; conndate is "dd mmm yy". A
    // connection whose date or times cannot be read is left out.
    static QList<DatedConnection> scan(QByteArrayView log, ProgressSink* progress = nullptr);

    // The day of a log date MM-DD-YYYY, or none.
    static std::optional<QDate> logDate(QByteArrayView text);
};
