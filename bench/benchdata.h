#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// Generated data as users have it: modem logs of full call sequences (the modem chatter of
// dialling, connecting and hanging up, as the demo log has), the own log and the notes file.
namespace BenchData
{

struct Profile {
    int ownLogCalls = 0;  // older calls, only in the own log
    int modemCalls = 0;   // calls in the modem log (and, after a load, in the own log too)
    int paddingBytes = 0; // extra modem chatter per call, to reach a log size
    int notes = 0;        // lines of the notes file
    QDateTime first = QDateTime(QDate(2016, 1, 4), QTime(19, 42, 34));
    int hoursBetweenCalls = 87;  // about one call every three and a half days
    bool lastInProgress = false; // no hang-up after the last call yet
};

// One call's lines as the driver writes them, with paddingBytes of periodic chatter; a call in
// progress has no hang-up yet.
QByteArray call(const QDateTime& start, int seconds, int paddingBytes, bool inProgress = false);
QByteArray modemLog(const Profile& profile);
QByteArray ownLog(const Profile& profile);
QByteArray notes(int lines);

// Writes the profile's files into the folder; returns the modem log's path, empty on failure.
QString write(const Profile& profile, const QString& folder, const QString& programDirectory);

} // namespace BenchData
