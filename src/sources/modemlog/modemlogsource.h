#pragma once

#include "sources/connectionsource.h"

#include <QByteArray>
#include <QDateTime>

// The modem log the Windows modem driver appends to: read whole at every load, emptied on close
// once its connections are safe, compacted in place. Its own log lies beside it, its notes in the
// program's directory.
class ModemLogSource : public ConnectionSource
{
public:
    // An empty `logpath`: none chosen yet.
    ModemLogSource(QString logpath, QString programDirectory)
        : m_logpath(std::move(logpath)), m_programDirectory(std::move(programDirectory))
    {
    }

    QString description() const override { return m_logpath; }
    QString ownLogPath() const override;
    QString notesPath() const override;

    QString openingStatus() const override { return QStringLiteral("Opening modem log file..."); }
    Read read(ProgressSink& progress) override;
    bool changedSinceRead() const override;

    bool emptiedOnClose() const override { return true; }
    Emptying empty() override;
    // Truncates to 0 bytes, so the file never goes missing, but only when it still has the size
    // the last read saw: the check and the truncation go through one open file, so a call the
    // driver appended since is not erased unseen. Anything else leaves the file as it was.
    static Emptying empty(const QString& logpath, qint64 expectedSize);

    Compaction compact(ProgressSink& progress) override;
    bool startAfresh(QString* error) override;

    QString newLogExplanation() const override;
    QString noConnectionsMessage() const override;
    QString choosePrompt(const QString& reason) const override;
    QString unreadableMessage(const QString& reason) const override;

private:
    struct Pass;

    QString m_logpath;
    QString m_programDirectory;
    // What the last read saw.
    qint64 m_seenSize = -1;
    QDateTime m_seenModified;
    bool m_seenRacy = false;
    QByteArray m_seenHash;
};
