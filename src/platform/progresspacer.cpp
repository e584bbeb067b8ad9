#include "progresspacer.h"

ProgressPacer::ProgressPacer(Clock clock) : m_clock(std::move(clock))
{
    m_steady.start();
    if (!m_clock)
        m_clock = [this] { return m_steady.elapsed(); };
}

bool ProgressPacer::frameDue() const
{
    return !m_paintedOnce || m_clock() - m_paintedAt >= IntervalMs;
}

void ProgressPacer::painted()
{
    m_paintedOnce = true;
    m_paintedAt = m_clock();
}
