#pragma once

#include "platform/clock.h"

class FixedClock : public Clock
{
public:
    explicit FixedClock(const QDateTime& now = QDateTime(QDate(2000, 4, 28), QTime(12, 0)))
        : m_now(now)
    {
    }
    QDateTime now() const override { return m_now; }
    void set(const QDateTime& now) { m_now = now; }

private:
    QDateTime m_now;
};
