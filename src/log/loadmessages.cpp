#include "loadmessages.h"

#include "connectiontable.h"
#include "loadreport.h"
#include "sources/connectionsource.h"

namespace
{
// The settings keys of the standing facts.
const QString kOverflowFact = QStringLiteral("log full");
const QString kUnreadableFact = QStringLiteral("unreadable lines");
const QString kIgnoredFact = QStringLiteral("ignored figures");

// Items of one own log: the same line in another source's file is another fact.
QByteArray itemOf(const ConnectionSource& source, const QByteArray& bytes)
{
    return source.ownLogPath().toUtf8() + '\n' + bytes;
}
} // namespace

QList<LoadMessages::Message> LoadMessages::after(const LoadReport& report,
                                                 const ConnectionSource& source, int count,
                                                 LogLoader::Reading reading)
{
    QList<Message> messages;
    if (report.sourceLost) {
        if (!m_sourceLostTold)
            messages << Message{
                QStringLiteral("%1 The connections found so far are still shown, and the new ones "
                               "will be as soon as it is back.")
                    .arg(report.sourceError)};
        m_sourceLostTold = true;
        return messages;
    }
    m_sourceLostTold = false;
    if (!report.modemLogOpened)
        return messages;
    // Once while it lasts: every connection is still kept in the own log file.
    QList<QByteArray> full;
    if (report.overflow)
        full << itemOf(source, "full");
    if (m_toldFacts.takeNew(kOverflowFact, full)) {
        messages << Message{
            QStringLiteral("The connection log is full: only the first %1 of the %2 connections "
                           "found can be shown. All of them are kept in the Dialtrak log file, and "
                           "the modem log is not emptied on exit while some are not shown. Save "
                           "the connections as a text file, then use \"Start New Log\" on the "
                           "File menu: it removes the %1 connections shown (and their extra "
                           "information) and keeps the other %3, which the new log then shows.")
                .arg(ConnectionTable::Capacity)
                .arg(report.connectionsRead)
                .arg(report.beyondTable.size())};
    }
    if (!report.ownLogError.isEmpty() && !m_ownLogErrorTold) {
        // A modem log is then the only copy, and it is kept on exit; a system log is never
        // emptied, and each load tries the own log again.
        messages << Message{
            QStringLiteral("The Dialtrak log file could not be updated (%1). %2%3")
                .arg(report.ownLogError,
                     source.emptiedOnClose()
                         ? QStringLiteral("Your connections are still in the modem log, which "
                                          "will not be emptied on exit.")
                         : QStringLiteral("New connections are shown but not saved; they are "
                                          "saved as soon as it can be written."),
                     report.notesUsable
                         ? QString()
                         : QStringLiteral(" The extra connection information is not shown "
                                          "until the Dialtrak log file can be read."))};
    }
    m_ownLogErrorTold = !report.ownLogError.isEmpty();
    // Again only when a line not told of comes: the lines wait in the file, each in its place,
    // for a version that can read them, and the user can do nothing about them.
    QList<QByteArray> unreadableLines;
    for (const OwnLogFile::KeptLine& line : report.unreadableLines)
        unreadableLines << itemOf(source, line.bytes);
    const qsizetype unreadable = unreadableLines.size();
    if (m_toldFacts.takeNew(kUnreadableFact, unreadableLines)) {
        messages << Message{
            QStringLiteral("Lines of the Dialtrak log file %1 that could not be read: %2. They "
                           "are kept in the file as they are, each in its place, with their extra "
                           "connection information.")
                .arg(source.ownLogPath())
                .arg(unreadable)};
    }
    if (!report.sourceError.isEmpty() && report.sourceError != m_sourceErrorTold) {
        // Read in part: what was read is shown, and the user knows the rest is missing.
        m_sourceErrorTold = report.sourceError;
        messages << Message{report.sourceError};
    }
    if (!report.volumeError.isEmpty() && report.volumeError != m_volumeErrorTold) {
        // The bytes live only in the system's logs until the file can be written.
        m_volumeErrorTold = report.volumeError;
        messages << Message{QStringLiteral("The bytes sent and received of the connections could "
                                           "not be kept (%1).")
                                .arg(report.volumeError)};
    }
    // A damaged figure would wrap the totals; the rest of the connection still counts. Again only
    // for a connection not told of.
    QList<QByteArray> ignored;
    for (const QString& connection : report.volumeIgnored)
        ignored << itemOf(source, connection.toUtf8());
    if (m_toldFacts.takeNew(kIgnoredFact, ignored)) {
        constexpr qsizetype Named = 5;
        const qsizetype more = report.volumeIgnored.size() - Named;
        messages << Message{
            QStringLiteral("Byte counts or lengths that cannot be real were ignored for the "
                           "connections of %1%2. The other figures of these connections count.")
                .arg(report.volumeIgnored.first(qMin(Named, report.volumeIgnored.size()))
                         .join(QStringLiteral(", ")),
                     more > 0 ? QStringLiteral(" and %1 more").arg(more) : QString())};
    }
    if (count == 0 && reading == LogLoader::Reading::Asked)
        messages << Message{source.noConnectionsMessage(), false};
    if (report.notesUnreadable && !m_notesUnreadableTold) {
        m_notesUnreadableTold = true;
        messages << Message{QStringLiteral("The extra connection information file %1 could not be "
                                           "read, so no extra connection information is shown.")
                                .arg(source.notesPath())};
    }
    return messages;
}

std::optional<QString> LoadMessages::failure(const LoadReport& report,
                                             const ConnectionSource& source)
{
    if (!report.modemLogOpened)
        return source.unreadableMessage(report.sourceError);
    if (!report.notesUsable)
        return QStringLiteral("The Dialtrak log file cannot be read: ") + source.ownLogPath();
    return std::nullopt;
}

LoadMessages::Message LoadMessages::unreadableAmounts(const QStringList& names)
{
    return {QStringLiteral("The stored amount for \"%1\" could not be read, so it is 0 until you "
                           "set it again with \"Set Phone Tarifs and Times\" on the Options menu.")
                .arg(names.join(QStringLiteral("\", \"")))};
}

LoadMessages::Message LoadMessages::notesLocked()
{
    return {QStringLiteral("The extra connection information cannot be changed while the "
                           "Dialtrak log file cannot be read: without its connections, notes "
                           "would be stored against the wrong connection numbers.")};
}

LoadMessages::Message LoadMessages::notesNotSaved(const QString& path)
{
    // Otherwise the note would silently be gone at the next load.
    return {QStringLiteral("The extra connection information could not be saved to ") + path};
}

LoadMessages::Message LoadMessages::notEmptied(const ConnectionSource& source)
{
    return {QStringLiteral("The modem log file %1 could not be emptied. Its connections are kept "
                           "in the Dialtrak log file, and it will be emptied when Dialtrak next "
                           "closes.")
                .arg(source.description())};
}
