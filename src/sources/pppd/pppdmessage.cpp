#include "pppdmessage.h"

#include "log/connectionrecord.h"
#include "sources/messagetext.h"

using MessageText::number;
using MessageText::skip;

QStringView PppdMessage::connectInterface(QStringView message)
{
    if (!skip(message, QLatin1String("Connect: ")))
        return {};
    const qsizetype space = message.indexOf(u' ');
    return space < 0 ? message : message.first(space);
}

PppdMessage::Kind PppdMessage::kind(QStringView message)
{
    if (message.isEmpty())
        return Kind::Other;
    switch (message.front().unicode()) {
    case u'C':
        if (message.startsWith(QLatin1String("Connect: ")))
            return Kind::Connect;
        if (connectSeconds(message))
            return Kind::ConnectTime;
        // Older versions leave out the full stop.
        if (message.startsWith(QLatin1String("Connection terminated")))
            return Kind::End;
        break;
    case u'E':
        if (message == QLatin1String("Exit."))
            return Kind::Exit;
        break;
    case u'H':
        if (message == QLatin1String("Hangup (SIGHUP)"))
            return Kind::End;
        break;
    case u'M':
        if (message == QLatin1String("Modem hangup"))
            return Kind::End;
        break;
    case u'S':
        if (counters(message))
            return Kind::Stats;
        break;
    case u'T':
        // Some versions end it with a full stop.
        if (message.startsWith(QLatin1String("Terminating on signal ")))
            return Kind::End;
        break;
    case u'l':
        // Two blanks: "local  LL address" is IPv6CP's, and no IP link.
        if (message.startsWith(QLatin1String("local  IP address ")))
            return Kind::IpUp;
        break;
    case u'p':
        if (message.startsWith(QLatin1String("pppd ")) &&
            message.contains(QLatin1String(" started by ")))
            return Kind::Started;
        break;
    default:
        break;
    }
    return Kind::Other;
}

std::optional<PppdMessage::Counters> PppdMessage::counters(QStringView message)
{
    QStringView rest = message;
    if (!skip(rest, QLatin1String("Sent ")))
        return std::nullopt;
    const std::optional<quint64> sent = number(rest);
    if (!sent || !skip(rest, QLatin1String(" bytes, received ")))
        return std::nullopt;
    const std::optional<quint64> received = number(rest);
    if (!received || rest != QLatin1String(" bytes."))
        return std::nullopt;
    return Counters{*sent, *received};
}

std::optional<qint64> PppdMessage::connectSeconds(QStringView message)
{
    QStringView rest = message;
    if (!skip(rest, QLatin1String("Connect time ")))
        return std::nullopt;
    const std::optional<quint64> minutes = number(rest);
    if (!minutes || !skip(rest, QLatin1String(".")) || rest.size() != 10 || rest.front() < u'0' ||
        rest.front() > u'9' || rest.sliced(1) != QLatin1String(" minutes."))
        return std::nullopt;
    // No call lasts that long: not pppd's count.
    if (*minutes > quint64(ConnectionRecord::LongestCall / 60))
        return std::nullopt;
    const qint64 tenths = qint64(*minutes) * 10 + (rest.front().unicode() - u'0');
    return tenths * 6;
}
