#include "logfilekind.h"

#include "sources/modemlog/modemlogscanner.h"
#include "sources/pppd/syslog/syslogstamp.h"

#include <QFile>
#include <QFileInfo>

namespace
{

constexpr int LinesLooked = 50;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// "03-14-2000 19:42:34.12 - ..."
bool isModemLine(QByteArrayView line)
{
    if (line.size() < 19 || line[10] != ' ' || !ModemLogScanner::logDate(line.first(10)))
        return false;
    const QByteArrayView time = line.sliced(11, 8);
    return isDigit(time[0]) && isDigit(time[1]) && time[2] == ':' && isDigit(time[3]) &&
           isDigit(time[4]) && time[5] == ':' && isDigit(time[6]) && isDigit(time[7]);
}

// "<stamp> host identifier: message", or one of journalctl's own lines such as
// "-- Boot 5f3c... --".
bool isSyslogLine(QByteArrayView line)
{
    if (line.startsWith("-- ") && line.endsWith(" --"))
        return true;
    const std::optional<SyslogStamp> stamp = SyslogStamp::parse(line);
    if (!stamp || stamp->length >= line.size() || line[stamp->length] != ' ')
        return false;
    const qsizetype host = stamp->length + 1;
    const qsizetype hostEnd = line.indexOf(' ', host);
    if (hostEnd <= host)
        return false;
    const qsizetype identifierEnd = line.indexOf(' ', hostEnd + 1);
    const QByteArrayView identifier =
        line.sliced(hostEnd + 1, (identifierEnd < 0 ? line.size() : identifierEnd) - hostEnd - 1);
    return identifier.size() > 1 && identifier.endsWith(':');
}

} // namespace

LogFileKind::Kind LogFileKind::detect(QByteArrayView head)
{
    int looked = 0;
    int modem = 0;
    int syslog = 0;
    qsizetype at = 0;
    while (at < head.size() && looked < LinesLooked) {
        qsizetype end = head.indexOf('\n', at);
        if (end < 0)
            end = head.size();
        QByteArrayView line = head.sliced(at, end - at);
        at = end + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        ++looked;
        modem += isModemLine(line) ? 1 : 0;
        syslog += isSyslogLine(line) ? 1 : 0;
    }
    if (looked == 0)
        return Kind::Empty;
    if (modem == 0 && syslog == 0)
        return Kind::Unknown;
    return modem > syslog ? Kind::ModemLog : syslog > modem ? Kind::Syslog : Kind::Unknown;
}

std::optional<LogFileKind::Kind> LogFileKind::ofFile(const QString& path, QString* error)
{
    QFile file(path);
    // Only regular files: a device or a pipe would never end, or never answer.
    if (path.isEmpty() || !QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1 cannot be read.").arg(path);
        return std::nullopt;
    }
    const QByteArray head = file.read(HeadBytes);
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = QStringLiteral("%1 cannot be read: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    // A line cut by the end of what was read may not look like a line.
    const qsizetype lastEnd = head.size() == HeadBytes ? head.lastIndexOf('\n') : -1;
    return detect(lastEnd > 0 ? QByteArrayView(head).first(lastEnd) : QByteArrayView(head));
}
