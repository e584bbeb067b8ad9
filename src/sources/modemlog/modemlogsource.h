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
    // `logpath` is read anew at every use, so the table's path can change between loads.
    ModemLogSource(const QString& logpath, QString programDirectory)
        : m_logpath(logpath), m_programDirectory(std::move(programDirectory))
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

    QString noConnectionsMessage() const override
    {
        return QStringLiteral("There were no connections found in the file, ") + m_logpath;
    }
    std::optional<QString> compact(ProgressSink& progress, QString* error) override;
    bool startAfresh(QString* error) override;

private:
    struct Pass;

    const QString& m_logpath;
    QString m_programDirectory;
    // What the last read saw.
    QString m_seenPath;
    qint64 m_seenSize = -1;
    QDateTime m_seenModified;
    bool m_seenRacy = false;
    QByteArray m_seenHash;
};
