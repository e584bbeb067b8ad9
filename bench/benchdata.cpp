#include "benchdata.h"

#include "log/extrainfofile.h"
#include "log/ownlogfile.h"
#include "platform/textfile.h"

#include <QDir>

namespace BenchData
{

namespace
{

QByteArray stamp(const QDateTime& when)
{
    return when.toString(QStringLiteral("MM-dd-yyyy hh:mm:ss.zzz")).left(22).toLatin1() + " - ";
}

QDateTime callStart(const Profile& profile, int index)
{
    return profile.first.addSecs(qint64(index) * profile.hoursBetweenCalls * 3600);
}

int callSeconds(int index)
{
    return 300 + (index * 7919) % 5400;
}

} // namespace

QByteArray call(const QDateTime& start, int seconds, int paddingBytes, bool inProgress)
{
    QByteArray out;
    const auto line = [&out](const QDateTime& when, const char* message) {
        out += stamp(when);
        out += message;
        out += "\r\n";
    };
    const QDateTime dial = start.addSecs(-22);
    for (const char* message :
         {"Generic 56K Voice Modem in use.", "Modem type: Generic 56K Voice Modem",
          "Modem inf path: mdmgen56.inf", "Modem inf section: Modem7", "115200,N,8,1",
          "Initializing modem.", "Send: AT<cr>", "Recv: AT<cr>", "Recv: <cr><lf>OK<cr><lf>",
          "Interpreted response: Ok", "Send: AT&F1E0V1&C1&D2S0=0<cr>", "Recv: <cr><lf>OK<cr><lf>",
          "Interpreted response: Ok", "Dialing.", "Send: ATDT5550147<cr>"})
        line(dial, message);
    line(start, "Recv: <cr><lf>CONNECT 49333/ARQ/V90/LAPM/V42BIS<cr><lf>");
    line(start, "Interpreted response: Connect");
    line(start, "Connection established at 49333bps.");
    line(start, "Error-control on.");
    line(start, "Data compression on.");
    for (int i = 0; out.size() < paddingBytes; ++i)
        line(start.addSecs(i % qMax(1, seconds)), "Read: Total: 861402, Per/Sec: 3825");
    if (inProgress)
        return out;
    const QDateTime end = start.addSecs(seconds);
    for (const char* message :
         {"Hanging up the modem.", "Hardware hangup by lowering DTR.",
          "Recv: <cr><lf>NO CARRIER<cr><lf>", "Interpreted response: No Carrier", "Send: ATH<cr>",
          "Recv: <cr><lf>OK<cr><lf>", "Interpreted response: Ok", "115200,N,8,1",
          "Session Statistics:", "               Reads : 4784106 bytes",
          "               Writes: 372440 bytes", "Generic 56K Voice Modem closed."})
        line(end, message);
    return out;
}

QByteArray modemLog(const Profile& profile)
{
    QByteArray log;
    for (int i = 0; i < profile.modemCalls; ++i) {
        const int index = profile.ownLogCalls + i;
        log += call(callStart(profile, index), callSeconds(index), profile.paddingBytes,
                    profile.lastInProgress && i == profile.modemCalls - 1);
    }
    return log;
}

QByteArray ownLog(const Profile& profile)
{
    QByteArray own;
    for (int index = 0; index < profile.ownLogCalls; ++index) {
        const QDateTime start = callStart(profile, index);
        DatedConnection connection;
        connection.date = start.date();
        connection.record.starttime = start.time().toString(QStringLiteral("hh:mm:ss"));
        connection.record.endtime =
            start.addSecs(callSeconds(index)).time().toString(QStringLiteral("hh:mm:ss"));
        own += TextFile::encode(OwnLogFile::formatRecord(connection)) + "\r\n";
    }
    return own;
}

QByteArray notes(int lines)
{
    QByteArray out;
    for (int k = 1; k <= lines; ++k)
        out += k % 7 == 0 ? "\"Called the bank, then the library\"\r\n" : "\"\"\r\n";
    return out;
}

QString write(const Profile& profile, const QString& folder, const QString& programDirectory)
{
    const QString logpath = QDir(folder).filePath(QStringLiteral("Standard Modem.log"));
    if (!TextFile::writeBytes(logpath, modemLog(profile)) ||
        !TextFile::writeBytes(OwnLogFile::pathFor(logpath), ownLog(profile)))
        return QString();
    if (profile.notes > 0 &&
        (!QDir().mkpath(programDirectory) ||
         !TextFile::writeBytes(ExtraInfoFile::pathFor(logpath, programDirectory),
                               notes(profile.notes))))
        return QString();
    return logpath;
}

} // namespace BenchData
