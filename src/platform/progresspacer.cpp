#include "progresspacer.h"

ProgressPacer::ProgressPacer(Clock clock) : m_clock(std::move(clock))
{
    m_steady.start();
    if (!m_clock)
        m_clock = [this] { return m_steady.elapsed(); };
}

bool ProgressPacer::paintNow(int percent)
{
    const qint64 now = m_clock();
    if (percent == m_painted || (m_painted >= 0 && now - m_paintedAt < IntervalMs))
        return false;
    m_painted = percent;
    m_paintedAt = now;
    return true;
}
