#pragma once

#include "pppdfiles.h"
#include "pppdopenlink.h"
#include "pppdrecord.h"
#include "sources/connectionsource.h"

#include <QDateTime>
#include <QStringList>

// The connections in pppd's and ModemManager's records, from the system's own logs. Those logs are
// read, never written: the close leaves them alone, compaction writes the call lines to a file of
// the program's own, and Start New Log remembers when it ran so that older records stay out of the
// new log. The own log, the notes and the bytes of the connections live in the program's data
// folder, named after the source. Each read reads only what is new since the last, but never
// past the start of a call still in progress, so its end is read when it comes; the links still
// open are carried on besides, in a file of their own, so that the end joins the start and the
// bytes read before even when the start is no longer there to read again.
class PppdSource : public ConnectionSource
{
public:
    explicit PppdSource(PppdFiles files);

    QString ownLogPath() const override;
    QString notesPath() const override;
    QString volumePath() const override;
    bool prepareFiles(QString* error) override { return m_files.prepareForWriting(error); }
    // The links the last settled read left open.
    QString openLinksPath() const;

    Read read(ProgressSink& progress) override;
    QString settle(bool kept) override;
    bool changedSinceRead() const override { return true; } // only news is read again

    Compaction compact(ProgressSink& progress) override;
    bool startAfresh(QString* error) override;
    QString newLogExplanation() const override;

    // The moment Start New Log last ran for this source; invalid when it never did.
    QDateTime startOfLog() const;

protected:
    struct Records {
        QList<PppdRecord> records;
        QString error; // read only in part when not empty
        // NetworkManager's records that name the calls, where they are read apart from the
        // others.
        QList<PppdRecord> names;
    };
    // pppd's and ModemManager's records since the last settled read, oldest first; none (with the
    // reason) when the source cannot be read at all. `fromStart` reads it all, as a fresh reader
    // would.
    virtual std::optional<Records> readRecords(ProgressSink& progress, bool fromStart,
                                               QString* error) = 0;
    // The next read starts at record `index` of the last one (its size: behind it).
    virtual void resumeAt(qsizetype index) = 0;
    // The start of the latest connection in the own log; invalid when it holds none or is
    // missing. Records from before it are in the own log already.
    QDateTime ownLogLatestStart() const;

private:
    QString filePath(const QString& suffix) const;

    // The open links of the last settled read, read from their file by the first read.
    const QList<PppdOpenLink>& carried();

    PppdFiles m_files;
    qsizetype m_resumeAt = 0;
    std::optional<QList<PppdOpenLink>> m_carried;
    QStringList m_carriedLines; // as the file holds them
    QList<PppdOpenLink> m_open; // what the last read left open, until it is settled
};
