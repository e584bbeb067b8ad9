#pragma once

#include <QElapsedTimer>
#include <functional>

// Decides when a progress value is painted at once. A long operation runs outside the event
// loop, so only a painting done there and then shows its progress; but painting the bar for every
// connection costs more than the work it reports. So a value is painted at once only when it
// differs from the one on show and the last such painting is a frame (about 1/30 s) old; any
// other value is still set, and the event loop paints it with the rest of the window.
class ProgressPacer
{
public:
    static constexpr qint64 IntervalMs = 33;
    // Milliseconds from any fixed moment; the program's own steady clock unless a test sets one.
    using Clock = std::function<qint64()>;

    explicit ProgressPacer(Clock clock = {});
    bool paintNow(int percent);

private:
    Clock m_clock;
    QElapsedTimer m_steady;
    int m_painted = -1;
    qint64 m_paintedAt = 0;
};
