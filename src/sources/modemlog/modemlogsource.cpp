#include "modemlogsource.h"

#include "log/extrainfofile.h"
#include "log/ownlogfile.h"
#include "modemlogcompactor.h"
#include "modemlogscanner.h"
#include "platform/filestream.h"
#include "platform/progresssink.h"
#include "platform/textfile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace
{
// File times move in coarse steps: a file written this shortly before it was read may change
// again without its time changing.
constexpr qint64 RacyMs = 2000;
} // namespace

// One pass over the modem log through a small buffer: its connections, and what tells later
// whether the file is still the one read.
struct ModemLogSource::Pass {
    bool opened = false;
    bool changedWhileRead = false;
    qint64 size = -1;
    QDateTime modified;
    bool racy = false;
    QByteArray contentHash; // only for a racy file
    QList<DatedConnection> connections;

    static Pass over(const QString& path, ProgressSink* progress, bool scan)
    {
        Pass pass;
        FileStream log(path);
        if (!log.isOpen())
            return pass;
        pass.opened = true;
        pass.modified = log.modified();
        // Only a file written just before the read needs its contents remembered; for any other
        // the size and the time tell whether it changed, without a pass over tens of megabytes.
        pass.racy = log.modified().msecsTo(QDateTime::currentDateTime()) < RacyMs;
        if (!scan && !pass.racy) {
            pass.size = log.sizeAtOpen();
            return pass;
        }
        if (scan && progress)
            progress->setStatus(QStringLiteral("Scanning modem log file..."));
        ModemLogScanner scanner(progress, log.sizeAtOpen());
        QCryptographicHash hash(QCryptographicHash::Md5);
        qsizetype carry = 0;
        for (QByteArrayView piece = log.next(); !piece.isEmpty(); piece = log.next(carry)) {
            if (pass.racy)
                hash.addData(piece.sliced(carry));
            if (scan)
                scanner.feed(piece, log.pieceOffset());
            carry = qMin(ModemLogScanner::Carry, piece.size());
        }
        pass.size = log.bytesRead();
        pass.changedWhileRead = log.failed() || log.changedWhileRead();
        pass.contentHash = pass.racy ? hash.result() : QByteArray();
        pass.connections = scanner.finish();
        return pass;
    }
};

QString ModemLogSource::ownLogPath() const
{
    return OwnLogFile::pathFor(m_logpath);
}

QString ModemLogSource::notesPath() const
{
    return ExtraInfoFile::pathFor(m_logpath, m_programDirectory);
}

ConnectionSource::Read ModemLogSource::read(ProgressSink& progress)
{
    const Pass pass = Pass::over(m_logpath, &progress, true);
    m_seenSize = pass.opened ? pass.size : -1;
    m_seenModified = pass.modified;
    m_seenRacy = pass.racy;
    m_seenHash = pass.contentHash;
    Read read;
    read.opened = pass.opened;
    read.changedWhileRead = pass.changedWhileRead;
    read.connections = pass.connections;
    return read;
}

bool ModemLogSource::changedSinceRead() const
{
    if (m_seenSize < 0)
        return true;
    const QFileInfo info(m_logpath);
    if (!info.isFile() || info.size() != m_seenSize)
        return true;
    if (!m_seenRacy)
        return info.lastModified() != m_seenModified;
    const Pass now = Pass::over(m_logpath, nullptr, false);
    return !now.opened || now.size != m_seenSize || now.contentHash != m_seenHash;
}

ConnectionSource::Emptying ModemLogSource::empty()
{
    return empty(m_logpath, m_seenSize);
}

ConnectionSource::Emptying ModemLogSource::empty(const QString& logpath, qint64 expectedSize)
{
    QFile file(logpath);
    if (logpath.isEmpty() || !QFileInfo(logpath).isFile() ||
        !file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        return Emptying::Failed;
    if (file.size() != expectedSize)
        return Emptying::Changed;
    return file.resize(0) ? Emptying::Emptied : Emptying::Failed;
}

ConnectionSource::Compaction ModemLogSource::compact(ProgressSink& progress)
{
    // Shown either way: unchanged when it could not be compacted.
    QString error;
    if (ModemLogCompactor::cleanup(m_logpath, progress, &error))
        return {m_logpath, QString()};
    QString failure = QStringLiteral("Log could not be compacted, file is in use.");
    if (!error.isEmpty())
        failure += QStringLiteral("\n\n") + error;
    return {m_logpath, failure};
}

bool ModemLogSource::startAfresh(QString* error)
{
    const auto fail = [error](const QString& text) {
        if (error)
            *error = text;
        return false;
    };
    if (m_logpath.isEmpty())
        return fail(QStringLiteral("No modem log"));
    // Deleted and created again, so the driver starts a new file rather than appending; through
    // a link, the file the driver writes is the one started again.
    const QString modemLog = TextFile::writeTarget(m_logpath);
    if (QFile::exists(modemLog) && !QFile::remove(modemLog))
        return fail(QStringLiteral("Cannot delete ") + m_logpath);
    QFile created(modemLog);
    if (!created.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("Cannot create ") + m_logpath);
    return true;
}

QString ModemLogSource::newLogExplanation() const
{
    return QStringLiteral("This command will start a new log by deleting both the windows modem "
                          "log file and the Dialtrak log file.");
}

QString ModemLogSource::noConnectionsMessage() const
{
    return QStringLiteral("There were no connections found in the file, ") + m_logpath;
}

QString ModemLogSource::choosePrompt(const QString&) const
{
    return QStringLiteral("Please select your modem log file which is found in your Windows "
                          "directory, usually a file with the same name as your modem.");
}

QString ModemLogSource::unreadableMessage(const QString& reason) const
{
    if (m_logpath.isEmpty())
        return QStringLiteral("No modem log has been chosen yet. Start Dialtrak and choose one "
                              "with Options > Select Modem Log File.");
    return ConnectionSource::unreadableMessage(reason);
}
