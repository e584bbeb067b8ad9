#pragma once

#include <QDate>
#include <optional>

// What the command line asks for: the connections and their totals (between two days, as text
// or as CSV), or the current bill in one line.
struct ReportRequest {
    enum class Kind { Report, Summary };
    Kind kind = Kind::Report;
    std::optional<QDate> from;
    std::optional<QDate> to;
    bool csv = false;
};
