#pragma once

#include <QElapsedTimer>

// Decides which progress values are worth showing. Painting the bar for every connection costs
// more than the work it reports, so a value is shown only when it differs from the one on show,
// and at most about 30 times a second; 0 and 100 (the start and the end) are always shown.
class ProgressPacer
{
public:
    static constexpr qint64 IntervalMs = 33;

    bool shouldShow(int percent);

private:
    int m_shown = -1;
    QElapsedTimer m_sinceShown;
};
