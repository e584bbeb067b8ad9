#include "calllength.h"

#include <algorithm>

namespace
{
constexpr qint64 Day = 24 * 60 * 60;

int offsetAt(const QTimeZone& zone, qint64 moment)
{
    return zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(moment, Qt::UTC));
}
} // namespace

QList<qint64> CallLength::momentsOf(QDate day, QTime time, const QTimeZone& zone)
{
    const qint64 wall = QDateTime(day, time, Qt::UTC).toSecsSinceEpoch();
    // The offsets in force a day either side cover a change of the clocks near that time.
    const int before = offsetAt(zone, wall - Day);
    const int after = offsetAt(zone, wall + Day);
    QList<qint64> moments;
    for (const int offset : {before, after}) {
        const qint64 moment = wall - offset;
        if (offsetAt(zone, moment) == offset && !moments.contains(moment))
            moments.append(moment);
    }
    if (moments.isEmpty())
        moments.append(wall - before);
    std::sort(moments.begin(), moments.end());
    return moments;
}

qint64 CallLength::seconds(QDate day, QTime start, QTime end, const QTimeZone& zone)
{
    const qint64 startWall = QDateTime(day, start, Qt::UTC).toSecsSinceEpoch();
    const qint64 wallLength = (start.secsTo(end) + Day) % Day;
    // Without a change of the clocks from the day before to the day after, clock time is time.
    if (!zone.isValid() || offsetAt(zone, startWall - Day) == offsetAt(zone, startWall + 2 * Day))
        return wallLength;
    // The start as early as it can be read, the end the first moment after it.
    const qint64 started = momentsOf(day, start, zone).first();
    for (const QDate endDay : {day, day.addDays(1)}) {
        for (const qint64 moment : momentsOf(endDay, end, zone)) {
            if (moment >= started)
                return moment - started;
        }
    }
    return wallLength;
}
