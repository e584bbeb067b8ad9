#pragma once

#include "log/datedconnection.h"

#include <QByteArrayView>
#include <QList>

class ProgressSink;

// Finds the connections in the modem driver's log: each "Connection established" line and the
// "Hanging up the modem." line that ends it. The log is read in pieces, so a log of any size is
// scanned through one small buffer: a connection whose hang-up lies in a later piece waits for it.
class ModemLogScanner
{
public:
    // Each piece must begin at least this many bytes before the end of the piece before it, so
    // that a phrase cut by the end of a piece, and the date and time in front of it, are whole
    // in the next one.
    static constexpr qsizetype Carry = 64;

    // `length` is the log's size, for the progress bar.
    explicit ModemLogScanner(ProgressSink* progress = nullptr, qint64 length = 0);
    // `offset` is where the piece starts in the log; bytes already scanned are not scanned again.
    void feed(QByteArrayView piece, qint64 offset);
    // Every connection in log order, however many there are; conndate is "dd mmm yy". A
    // connection whose date or times cannot be read is left out.
    QList<DatedConnection> finish();

    // The whole log in one piece.
    static QList<DatedConnection> scan(QByteArrayView log, ProgressSink* progress = nullptr);
    // The day of a log date MM-DD-YYYY, or none.
    static std::optional<QDate> logDate(QByteArrayView text);

private:
    // A connection whose hang-up has not been found yet.
    struct Open {
        std::optional<QDate> date;
        std::optional<QString> starttime;
    };
    void established(QByteArrayView piece, qsizetype at);
    void hungUp(QByteArrayView piece, qsizetype at);
    void close(std::optional<QString> endtime);
    void showProgress(qint64 position);

    ProgressSink* m_progress;
    qint64 m_length;
    int m_shownPercent = -1;
    class PhraseFinder;
    // Where the next search starts, in the whole log: a phrase before it was seen.
    qint64 m_next = 0;
    std::optional<Open> m_open;
    QList<DatedConnection> m_found;
};
