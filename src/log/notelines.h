#pragma once

#include <QList>

// Where each connection's note stands in the notes file. Line k holds the note of connection k,
// except that an own log line this program cannot read keeps its place there, and so does its
// note: the connections after it are a line further on, and no note moves to another call.
class NoteLines
{
public:
    NoteLines() = default;
    // The lines (from 1, ascending) that belong to no connection of the table.
    explicit NoteLines(QList<int> keptLines) : m_kept(std::move(keptLines)) {}

    const QList<int>& keptLines() const { return m_kept; }
    // The line (from 1) of connection number `slot`.
    int lineOf(int slot) const
    {
        int line = slot;
        for (const int kept : m_kept) {
            if (kept > line)
                break;
            ++line;
        }
        return line;
    }

private:
    QList<int> m_kept;
};
