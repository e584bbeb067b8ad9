#include "pppdopenlinkfile.h"

#include "platform/quotedfields.h"
#include "platform/textfile.h"

namespace
{
constexpr qsizetype FixedFields = 13;

QString textOf(const std::optional<quint64>& count)
{
    return count ? QString::number(*count) : QString();
}

QString textOf(const QDateTime& when)
{
    return when.toUTC().toString(Qt::ISODateWithMs);
}

bool countOf(const QString& text, std::optional<quint64>& count)
{
    if (text.isEmpty())
        return true;
    bool ok = false;
    count = text.toULongLong(&ok);
    return ok;
}

QString textOf(const std::optional<BootClock>& clock)
{
    return clock
               ? QString::fromLatin1(clock->boot) + QLatin1Char(' ') + QString::number(clock->usec)
               : QString();
}

bool clockOf(const QString& text, std::optional<BootClock>& clock)
{
    if (text.isEmpty())
        return true;
    const QStringList parts = text.split(QLatin1Char(' '));
    bool ok = false;
    const quint64 usec = parts.value(1).toULongLong(&ok);
    if (parts.size() != 2 || !ok)
        return false;
    clock = BootClock{parts.first().toLatin1(), usec};
    return true;
}

bool secondsOf(const QString& text, std::optional<qint64>& seconds)
{
    if (text.isEmpty())
        return true;
    bool ok = false;
    seconds = text.toLongLong(&ok);
    return ok;
}

bool flagOf(const QString& text, bool& flag)
{
    flag = text == QLatin1String("1");
    return flag || text == QLatin1String("0");
}
} // namespace

QStringList PppdOpenLinkFile::readLines() const
{
    return TextFile::readLines(m_path).value_or(QStringList());
}

bool PppdOpenLinkFile::writeLines(const QStringList& lines, QString* error) const
{
    return TextFile::writeLines(m_path, lines, error);
}

QString PppdOpenLinkFile::lineOf(const PppdOpenLink& link)
{
    const PppdConnection& connection = link.connection;
    QStringList fields{QString::number(connection.pid),
                       textOf(connection.start),
                       connection.end ? textOf(*connection.end) : QString(),
                       textOf(connection.sentBytes),
                       textOf(connection.receivedBytes),
                       QString::number(int(link.carriedIp)),
                       QString::number(int(link.statsDue)),
                       textOf(link.lastTaken),
                       textOf(connection.startClock),
                       textOf(connection.endClock),
                       connection.ipUp ? textOf(*connection.ipUp) : QString(),
                       connection.pppdSeconds ? QString::number(*connection.pppdSeconds)
                                              : QString(),
                       connection.interfaceName};
    fields << link.lastMessages;
    return QuotedFields::join(fields);
}

std::optional<PppdOpenLink> PppdOpenLinkFile::parse(const QString& line)
{
    const QStringList fields = QuotedFields::split(line);
    if (fields.size() < FixedFields)
        return std::nullopt;
    PppdOpenLink link;
    PppdConnection& connection = link.connection;
    bool pidRead = false;
    connection.pid = fields.at(0).toLongLong(&pidRead);
    connection.start = QDateTime::fromString(fields.at(1), Qt::ISODateWithMs);
    if (!fields.at(2).isEmpty())
        connection.end = QDateTime::fromString(fields.at(2), Qt::ISODateWithMs);
    link.lastTaken = QDateTime::fromString(fields.at(7), Qt::ISODateWithMs);
    if (!fields.at(10).isEmpty())
        connection.ipUp = QDateTime::fromString(fields.at(10), Qt::ISODateWithMs);
    if (!pidRead || !connection.start.isValid() || (connection.end && !connection.end->isValid()) ||
        !link.lastTaken.isValid() || !countOf(fields.at(3), connection.sentBytes) ||
        !countOf(fields.at(4), connection.receivedBytes) || !flagOf(fields.at(5), link.carriedIp) ||
        !flagOf(fields.at(6), link.statsDue) || !clockOf(fields.at(8), connection.startClock) ||
        !clockOf(fields.at(9), connection.endClock) ||
        (connection.ipUp && !connection.ipUp->isValid()) ||
        !secondsOf(fields.at(11), connection.pppdSeconds))
        return std::nullopt;
    connection.interfaceName = fields.at(12);
    link.lastMessages = fields.mid(FixedFields);
    return link;
}
