#pragma once

#include <QList>
#include <QString>

// The files logrotate has made of a log, in the log's folder: "NAME.1", "NAME.2.gz" and older,
// or with its dateext option "NAME-20240115" and "NAME-20240108.gz".
class RotatedLogs
{
public:
    struct File {
        QString path;
        bool compressed = false;

        bool operator==(const File&) const = default;
    };

    // Those there now, newest first. Where a file is there both plain and compressed, the
    // compressed one is still being written: the plain one is listed.
    static QList<File> beside(const QString& path);
};
