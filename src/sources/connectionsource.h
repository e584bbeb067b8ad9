#pragma once

#include "log/datedconnection.h"
#include "sourcewatch.h"

#include <QList>
#include <QString>
#include <memory>

class ProgressSink;

// Where the connections come from: the Windows modem log, or pppd's records in a syslog-style
// file or in the systemd journal. The load, the close, compaction and Start New Log ask the
// source what to read and what they may do to it.
class ConnectionSource
{
public:
    struct Read {
        bool opened = false; // false: the window asks for another source
        // Cut short or written to while it was read: to be read again.
        bool changedWhileRead = false;
        // Why it could not be read, or read only in part; empty when all went well.
        QString error;
        // The connections read, in their order; only what is new, for a source that remembers
        // where it stopped.
        QList<DatedConnection> connections;
    };
    enum class Emptying { Emptied, Changed, Failed };

    virtual ~ConnectionSource() = default;

    // What the window's title names: "Dialtrak - viewing log file " followed by this.
    virtual QString description() const = 0;
    // The program's own log of this source and the user's notes on its connections.
    virtual QString ownLogPath() const = 0;
    virtual QString notesPath() const = 0;
    // Where the bytes of its connections are kept; empty for a source that gives none.
    virtual QString volumePath() const { return {}; }

    // Readies the source's own files before a load that writes them (a load that only reads
    // makes nothing); false, with the reason, when they cannot be written.
    virtual bool prepareFiles(QString* error)
    {
        Q_UNUSED(error);
        return true;
    }

    // The status line's text while it is opened.
    virtual QString openingStatus() const = 0;
    virtual Read read(ProgressSink& progress) = 0;
    // The load is done with the last read: `kept` when the own log now holds what it read, so a
    // source that reads only what is new may move on; otherwise the next read reads it again.
    // Why what the source keeps of the read for the next start could not be written; empty when
    // it was, or when there was nothing to keep.
    virtual QString settle(bool kept)
    {
        Q_UNUSED(kept);
        return {};
    }
    // Whether it holds what the last read did not see (or no read saw it yet).
    virtual bool changedSinceRead() const = 0;

    // Whether the close empties it once its connections are safe in the own log.
    virtual bool emptiedOnClose() const { return false; }
    // Empties it, unless it changed since the last read.
    virtual Emptying empty() { return Emptying::Failed; }

    struct Compaction {
        QString shown;   // the file to show the user; empty for none
        QString failure; // what the user is told when it failed; empty when it worked
    };
    // Writes the lines that describe calls where the user can look at them. Only the modem log
    // is compacted in place.
    virtual Compaction compact(ProgressSink& progress) = 0;
    // Start New Log's part of the source: the modem log is emptied; a system log is never
    // touched, its older records are left out of the new log instead.
    virtual bool startAfresh(QString* error) = 0;

    // What Start New Log tells the user it will do.
    virtual QString newLogExplanation() const = 0;
    // What the window says when a load found no connection at all.
    virtual QString noConnectionsMessage() const = 0;
    // What the window asks of the user when a load could not open it: to choose a source.
    virtual QString choosePrompt(const QString& reason) const;
    // Why there is nothing to report, where no window can ask for another source.
    virtual QString unreadableMessage(const QString& reason) const;

    // Tells of news while the window is open; none for a source read only on request.
    virtual std::unique_ptr<SourceWatch> watch() { return nullptr; }
};
