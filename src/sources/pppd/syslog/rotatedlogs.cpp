#include "rotatedlogs.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <vector>

namespace
{

struct Found {
    bool dated = false;
    qint64 order = 0; // the number, or the date's day: which of its kind is newer
    RotatedLogs::File file;
    QDateTime modified;
};

// ".3" or ".3.gz" after the name; "-20240115" or "-20240115.gz".
std::optional<Found> parse(QStringView suffix)
{
    Found found;
    if (suffix.endsWith(QLatin1String(".gz"))) {
        found.file.compressed = true;
        suffix.chop(3);
    }
    if (suffix.size() < 2)
        return std::nullopt;
    const QStringView digits = suffix.sliced(1);
    if (!std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); }))
        return std::nullopt;
    if (suffix.front() == u'.') {
        bool ok = false;
        found.order = digits.toLongLong(&ok);
        if (!ok || digits.size() > 9)
            return std::nullopt;
        return found;
    }
    const QDate date = QDate::fromString(digits.toString(), QStringLiteral("yyyyMMdd"));
    if (suffix.front() != u'-' || digits.size() != 8 || !date.isValid())
        return std::nullopt;
    found.dated = true;
    found.order = -date.toJulianDay();
    return found;
}

} // namespace

QList<RotatedLogs::File> RotatedLogs::beside(const QString& path)
{
    const QFileInfo log(path);
    const QString name = log.fileName();
    // No name filter: a log's name may hold a wildcard's characters.
    const QFileInfoList entries =
        log.dir().entryInfoList(QDir::Files | QDir::System | QDir::Hidden);
    std::vector<Found> found;
    for (const QFileInfo& entry : entries) {
        const QString entryName = entry.fileName();
        if (entryName.size() <= name.size() || !entryName.startsWith(name))
            continue;
        std::optional<Found> one = parse(QStringView(entryName).sliced(name.size()));
        if (!one)
            continue;
        one->file.path = entry.filePath();
        one->modified = entry.lastModified();
        found.push_back(*one);
    }
    // Both schemes at once: the options were changed, and the scheme written to last is newer.
    QDateTime numberedNewest;
    QDateTime datedNewest;
    for (const Found& one : found) {
        QDateTime& newest = one.dated ? datedNewest : numberedNewest;
        newest = qMax(newest, one.modified);
    }
    const bool datedFirst = datedNewest > numberedNewest;
    std::sort(found.begin(), found.end(), [datedFirst](const Found& a, const Found& b) {
        if (a.dated != b.dated)
            return a.dated == datedFirst;
        if (a.order != b.order)
            return a.order < b.order;
        return !a.file.compressed && b.file.compressed;
    });
    QList<File> files;
    for (size_t i = 0; i < found.size(); ++i) {
        const bool sameAsBefore =
            i > 0 && found[i].dated == found[i - 1].dated && found[i].order == found[i - 1].order;
        if (!sameAsBefore)
            files.append(found[i].file);
    }
    return files;
}
