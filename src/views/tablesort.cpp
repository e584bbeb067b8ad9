#include "tablesort.h"

#include "platform/dateparser.h"
#include "platform/formats.h"
#include "report/connectionline.h"

#include <algorithm>
#include <numeric>

QString TableSort::columnName(int column)
{
    switch (column) {
    case Number:
        return QStringLiteral("connection number...");
    case Date:
        return QStringLiteral("date...");
    case StartTime:
        return QStringLiteral("start time...");
    case TimeOnline:
        return QStringLiteral("time online...");
    case Cost:
        return QStringLiteral("cost...");
    case OtherInfo:
        return QStringLiteral("other information...");
    case Sent:
        return QStringLiteral("bytes sent...");
    case Received:
        return QStringLiteral("bytes received...");
    }
    return QString();
}

double TableSort::leadingValue(const QString& text)
{
    int i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    const int start = i;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+')))
        ++i;
    bool seenPoint = false;
    while (i < text.size()) {
        const QChar c = text.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            ++i;
        } else if (c == QLatin1Char('.') && !seenPoint) {
            seenPoint = true;
            ++i;
        } else {
            break;
        }
    }
    bool ok = false;
    const double value = text.mid(start, i - start).toDouble(&ok);
    return ok ? value : 0.0;
}

namespace
{

TableSort::Key numberKey(double value)
{
    TableSort::Key key;
    key.number = value;
    return key;
}

TableSort::Key textKey(const QString& text)
{
    TableSort::Key key;
    key.isText = true;
    key.text = text;
    return key;
}

// "H hrs MM mins SS secs": the hours before " hrs ", the two characters behind it, and the two
// behind " mins ".
double secondsOnline(const QString& text)
{
    static const QString hrs = QStringLiteral(" hrs ");
    static const QString mins = QStringLiteral(" mins ");
    const qsizetype hrsAt = text.indexOf(hrs);
    const qsizetype minsAt = text.indexOf(mins);
    const double hours = hrsAt < 0 ? 0.0 : TableSort::leadingValue(text.left(hrsAt));
    const double minutes = hrsAt < 0 ? 0.0 : TableSort::leadingValue(text.mid(hrsAt + 5, 2));
    const double seconds = minsAt < 0 ? 0.0 : TableSort::leadingValue(text.mid(minsAt + 6, 2));
    return hours * 3600 + minutes * 60 + seconds;
}

// Every character stands for one digit: itself if it is one, 0 otherwise. Amounts written in
// one currency format therefore order by value.
double costDigits(const QString& text)
{
    double value = 0.0;
    for (const QChar c : text) {
        const int digit = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ? c.unicode() - '0' : 0;
        value = value * 10 + digit;
    }
    return value;
}

} // namespace

TableSort::Key TableSort::key(int column, const QString& text)
{
    switch (column) {
    case TimeOnline:
        return numberKey(secondsOnline(text));
    case StartTime: {
        // Read back in either clock and reduced to minutes since midnight. A cell the fill
        // never wrote stays a text, after every time.
        const std::optional<QTime> time = DateParser::parseTime(text);
        if (!time)
            return textKey(text);
        const QString hhmm = Formats::hhMm(*time);
        return numberKey(hhmm.left(2).toInt() * 60 + hhmm.mid(3, 2).toInt());
    }
    case Cost:
        // A cost whose volume is unknown orders by the figure shown.
        return numberKey(costDigits(QString(text).remove(ConnectionLine::volumeUnknownMark())));
    case OtherInfo:
        return textKey(text.toLower());
    case Sent:
    case Received:
        // Unknown counts after every known one, 0 included.
        return text.isEmpty() ? textKey(text) : numberKey(text.toDouble());
    default: {
        const double value = leadingValue(text);
        return value > 0 ? numberKey(value) : textKey(text);
    }
    }
}

bool TableSort::less(const Key& a, const Key& b)
{
    if (a.isText != b.isText)
        return !a.isText;
    if (!a.isText)
        return a.number < b.number;
    return QString::compare(a.text, b.text, Qt::CaseSensitive) < 0;
}

QList<int> TableSort::order(int column, const QStringList& texts)
{
    const int sortColumn = keyColumn(column);
    QList<Key> keys;
    keys.reserve(texts.size());
    for (const QString& text : texts)
        keys << key(sortColumn, text);
    QList<int> indexes(texts.size());
    std::iota(indexes.begin(), indexes.end(), 0);
    // Stable: rows with equal keys keep their order, so sorting twice changes nothing.
    std::stable_sort(indexes.begin(), indexes.end(),
                     [&keys](int a, int b) { return less(keys.at(a), keys.at(b)); });
    return indexes;
}
