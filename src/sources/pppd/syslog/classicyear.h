#pragma once

#include <QDateTime>
#include <QtGlobal>

// Gives classic syslog stamps, which have no year, their year. Stamps are placed in file order:
// one that goes back by more than a day starts a new year (a little back is lines written out
// of order around midnight). The years count from 0 until the last stamp of the file is anchored
// to the file's modification time, which gives that stamp its year; never today's date.
class ClassicYear
{
public:
    // Everything the years of the following stamps depend on, to read on from a place in a file.
    struct State {
        int year = 0;
        qint64 lastKey = -1; // the place of the last stamp in its year; -1 before the first
        bool anchored = false;

        bool operator==(const State&) const = default;
    };

    // The year of the next stamp in file order.
    int place(int month, int day, int msecsOfDay);
    // Anchors the last stamp placed to the modification time of the file it is in: it gets the
    // modification time's year, or the year before when it lies after that day in the year.
    // Returns what to add to the years placed before; 0 when already anchored or nothing was
    // placed.
    int anchor(const QDateTime& modified);

    State state() const { return m_state; }
    void setState(const State& state) { m_state = state; }

private:
    State m_state;
};
