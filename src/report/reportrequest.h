#pragma once

#include <QDate>
#include <optional>

// What the command line asks for: the connections and their totals (between two days, as text,
// CSV or JSON), or the current bill in one line or as JSON.
struct ReportRequest {
    enum class Kind { Report, Summary };
    enum class Format { Text, Csv, Json };
    Kind kind = Kind::Report;
    std::optional<QDate> from;
    std::optional<QDate> to;
    Format format = Format::Text;
};
