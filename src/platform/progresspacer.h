#pragma once

#include <QElapsedTimer>
#include <functional>

// Decides when the status line paints at once. A long operation runs outside the event loop, so
// only a painting done there and then shows its progress; but painting for every connection costs
// more than the work it reports. So a change is painted at once only when the last such painting
// is a frame (about 1/30 s) old; any other change is still made, and it is painted at the next
// frame that is due, or by the event loop with the rest of the window.
class ProgressPacer
{
public:
    static constexpr qint64 IntervalMs = 33;
    // Milliseconds from any fixed moment; the program's own steady clock unless a test sets one.
    using Clock = std::function<qint64()>;

    explicit ProgressPacer(Clock clock = {});
    bool frameDue() const;
    void painted();

private:
    Clock m_clock;
    QElapsedTimer m_steady;
    bool m_paintedOnce = false;
    qint64 m_paintedAt = 0;
};
