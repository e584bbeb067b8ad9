#include "progresspacer.h"

bool ProgressPacer::shouldShow(int percent)
{
    if (percent == m_shown)
        return false;
    const bool edge = percent == 0 || percent == 100;
    if (!edge && m_sinceShown.isValid() && m_sinceShown.elapsed() < IntervalMs)
        return false;
    m_shown = percent;
    m_sinceShown.start();
    return true;
}
