#pragma once

#include "log/connectionrecord.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <optional>

// The connection lines of the last fill, kept by connection number: a refill after a load that
// changed little (a Refresh, as a rule) formats only the connections that changed. A line is
// taken again only for the same number, record, clock and locale, so it is always the line
// ConnectionLine would make.
class ConnectionLineCache
{
public:
    std::optional<QString> text(const ConnectionRecord& record, int number, bool twelveHour);

private:
    struct Entry {
        ConnectionRecord record;
        bool twelveHour = false;
        std::optional<QString> line;
    };
    QList<Entry> m_entries; // connection number n at n - 1
    QLocale m_locale;
};
