#pragma once

#include "pppdopenlink.h"

#include <QList>
#include <QString>
#include <QStringList>

// The links a source's last read left open, kept in a file of the program's own so that the
// next start carries on with them: one line of quoted fields per link, its pid, start, end,
// bytes sent and received, whether IP came up and stats are due, the moment of the last records
// it took, what its length is measured by (the monotonic clock at its start and end, when IP
// came up, pppd's own connect time), its interface, then the messages of those last records.
class PppdOpenLinkFile
{
public:
    explicit PppdOpenLinkFile(QString path) : m_path(std::move(path)) {}

    // The file's lines, empty when it is not there or cannot be read.
    QStringList readLines() const;
    bool writeLines(const QStringList& lines, QString* error) const;

    static QString lineOf(const PppdOpenLink& link);
    // None for a line this version cannot read.
    static std::optional<PppdOpenLink> parse(const QString& line);

private:
    QString m_path;
};
