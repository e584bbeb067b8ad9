#pragma once

#include <QDate>
#include <QString>
#include <QtGlobal>
#include <optional>

class ConnectionTable;
struct ConnectionRecord;

// Adds up the length, cost and volume of connections; seconds carry into minutes, and the minutes
// are written as hours and minutes.
class TimeTotal
{
public:
    void add(const ConnectionRecord& record);
    // The connections of a table dated from first on, and up to last when there is one; one
    // whose date cannot be read is in no span.
    static TimeTotal dated(const ConnectionTable& table, const QDate& first,
                           const std::optional<QDate>& last = std::nullopt);
    int count() const { return m_count; }
    double cost() const { return m_cost; }
    // Bytes sent and received by the connections that record them; none when none does.
    std::optional<quint64> volume() const { return m_volume; }
    // What cost holds for bytes beyond a data plan's allowance, and the calls whose volume cost
    // is unknown, whose cost is their time alone.
    double volumeCost() const { return m_volumeCost; }
    int unknownVolumeCalls() const { return m_unknownVolumeCalls; }
    qint64 totalSeconds() const { return m_minutes * 60 + m_seconds; }
    // H hrs M mins S secs
    QString timeText() const;
    QString costText() const;
    // A number of seconds (an average, say) as H hrs M mins S secs.
    static QString secondsText(qint64 seconds);

private:
    int m_count = 0;
    qint64 m_minutes = 0;
    qint64 m_seconds = 0;
    double m_cost = 0.0;
    std::optional<quint64> m_volume;
    double m_volumeCost = 0.0;
    int m_unknownVolumeCalls = 0;
};
