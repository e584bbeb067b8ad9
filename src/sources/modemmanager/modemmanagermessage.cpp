#include "modemmanagermessage.h"

#include "log/connectionrecord.h"
#include "sources/messagetext.h"

namespace
{
using MessageText::number;
using MessageText::skip;

// The message without its level tag and the blanks after it.
QStringView untagged(QStringView message)
{
    for (const QLatin1String tag : {QLatin1String("<info>"), QLatin1String("<msg>")}) {
        if (skip(message, tag)) {
            while (message.startsWith(u' '))
                message = message.sliced(1);
            break;
        }
    }
    return message;
}

// "[modem0] " or "[modem0/bearer1] ": the modem's name, and what follows.
std::optional<QStringView> bracketed(QStringView& text)
{
    if (!text.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = text.indexOf(QLatin1String("] "));
    if (close < 2)
        return std::nullopt;
    QStringView name = text.sliced(1, close - 1);
    text = text.sliced(close + 2);
    const qsizetype slash = name.indexOf(u'/');
    return slash < 0 ? name : name.first(slash);
}

} // namespace

std::optional<ModemManagerMessage::StateChange>
ModemManagerMessage::stateChange(QStringView message)
{
    QStringView rest = untagged(message);
    StateChange change;
    if (const std::optional<QStringView> modem = bracketed(rest)) {
        change.modem = *modem;
        change.finishLogged = true;
    } else if (skip(rest, QLatin1String("Modem /"))) {
        const qsizetype colon = rest.indexOf(QLatin1String(": "));
        if (colon < 0)
            return std::nullopt;
        // The path, with its leading slash.
        change.modem = QStringView(rest.data() - 1, colon + 1);
        rest = rest.sliced(colon + 2);
    } else {
        return std::nullopt;
    }
    if (!skip(rest, QLatin1String("state changed (")))
        return std::nullopt;
    const qsizetype arrow = rest.indexOf(QLatin1String(" -> "));
    const qsizetype close = rest.indexOf(u')');
    if (arrow <= 0 || close < arrow + 5)
        return std::nullopt;
    change.from = rest.first(arrow);
    change.to = rest.sliced(arrow + 4, close - arrow - 4);
    return change;
}

std::optional<ModemManagerMessage::Finished> ModemManagerMessage::finished(QStringView message)
{
    QStringView rest = untagged(message);
    Finished finished;
    const std::optional<QStringView> modem = bracketed(rest);
    if (!modem || !skip(rest, QLatin1String("connection #")) || !number(rest) ||
        !skip(rest, QLatin1String(" finished: duration ")))
        return std::nullopt;
    finished.modem = *modem;
    const std::optional<quint64> seconds = number(rest);
    // No call lasts that long: not ModemManager's count.
    if (!seconds || *seconds > quint64(ConnectionRecord::LongestCall) ||
        !skip(rest, QLatin1String("s")))
        return std::nullopt;
    finished.seconds = qint64(*seconds);
    if (rest.isEmpty())
        return finished;
    if (!skip(rest, QLatin1String(", tx: ")))
        return std::nullopt;
    finished.sent = number(rest);
    if (!finished.sent || !skip(rest, QLatin1String(" bytes, rx: ")))
        return std::nullopt;
    finished.received = number(rest);
    if (!finished.received || rest != QLatin1String(" bytes"))
        return std::nullopt;
    return finished;
}
