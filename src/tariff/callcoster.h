#pragma once

#include <QTimeZone>

class ConnectionTable;
class TariffTable;

// Works out one connection's length, cost and marker from its date and times and the tariff.
class CallCoster
{
public:
    // Lengths are real time in `zone`, the local time zone unless a test gives another.
    explicit CallCoster(const TariffTable& tariff, QTimeZone zone = QTimeZone::systemTimeZone())
        : m_tariff(tariff), m_zone(std::move(zone))
    {
    }

    // Fills durhours, durmins, dursecs, cost and otherinfo of slot n (1..1000). True when the
    // normal costing ran, after which the caller lays the extra information over the slots;
    // false when the Monday-rate fallback ran or the slot was marked "ERROR".
    bool findvariables(ConnectionTable& table, int n) const;

private:
    const TariffTable& m_tariff;
    QTimeZone m_zone;
};
