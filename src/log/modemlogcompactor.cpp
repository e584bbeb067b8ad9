#include "modemlogcompactor.h"

#include "platform/progresssink.h"
#include "platform/textfile.h"

#include <QByteArrayMatcher>
#include <QFile>

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace
{

constexpr std::array<QByteArrayView, 8> KeptTexts{
    "in use.",
    "Hanging up the modem.",
    "Session Statistics:",
    "Reads :",
    "Writes:",
    "closed.",
    "Dialing.",
    "Connection",
};

bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

} // namespace

bool ModemLogCompactor::keeps(QByteArrayView line)
{
    for (const QByteArrayView text : KeptTexts) {
        if (line.contains(text))
            return true;
    }
    return false;
}

bool ModemLogCompactor::writeline(const QString& line)
{
    // The texts are plain ASCII, so a match in the encoded line is a match in the text.
    return keeps(TextFile::encode(line));
}

QString ModemLogCompactor::temporaryPath(const QString& logpath)
{
    return logpath.chopped(qMin<qsizetype>(4, logpath.size())) + QStringLiteral(" shortened.log");
}

namespace
{

bool compact(const QString& logpath, ProgressSink& progress, QString* error)
{
    const std::optional<QByteArray> log = TextFile::readBytes(logpath);
    if (!log)
        return fail(error, QStringLiteral("Cannot read ") + logpath);

    // Each text is searched for through the whole log at once, which is far quicker than
    // testing every line of a log of tens of MB against every text.
    const QByteArrayView text(*log);
    const qsizetype length = text.size();
    std::vector<std::pair<qsizetype, qsizetype>> lines; // start and end of each kept line
    for (const QByteArrayView wanted : KeptTexts) {
        const QByteArrayMatcher matcher(wanted.data(), wanted.size());
        qsizetype from = 0;
        qsizetype hit;
        while ((hit = matcher.indexIn(text.data(), length, from)) >= 0) {
            const qsizetype start = text.first(hit).lastIndexOf('\n') + 1;
            qsizetype end = text.indexOf('\n', hit);
            if (end < 0)
                end = length;
            lines.emplace_back(start, end);
            from = end;
        }
    }
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());

    QByteArray kept;
    kept.reserve(qsizetype(lines.size()) * 64);
    int shownPercent = -1;
    for (const auto& [start, end] : lines) {
        const int percent = int(double(start) / double(length) * 100.0);
        if (percent != shownPercent) {
            progress.setProgress(percent);
            shownPercent = percent;
        }
        QByteArrayView line = text.sliced(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        kept += line;
        kept += "\r\n";
    }
    progress.setProgress(100);

    const QString temporary = ModemLogCompactor::temporaryPath(logpath);
    QFile out(temporary);
    // On disk before the rename, so a crash cannot leave an empty modem log in its place.
    if (!out.open(QIODevice::WriteOnly) || out.write(kept) != kept.size() || !out.flush() ||
        ::fsync(out.handle()) != 0) {
        out.close();
        QFile::remove(temporary);
        return fail(error, QStringLiteral("Cannot write ") + temporary);
    }
    out.close();
    QFile::setPermissions(temporary, QFile::permissions(logpath));
    // One rename replaces the modem log; there is no moment without it.
    std::error_code code;
    std::filesystem::rename(QFile(temporary).filesystemFileName(),
                            QFile(logpath).filesystemFileName(), code);
    if (code) {
        QFile::remove(temporary);
        return fail(error, QString::fromStdString(code.message()));
    }
    return true;
}

} // namespace

bool ModemLogCompactor::cleanup(const QString& logpath, ProgressSink& progress, QString* error)
{
    progress.setStatus(QStringLiteral("Compacting log file..."));
    progress.setProgressEnabled(true);
    progress.setProgress(0);
    const bool done = logpath.isEmpty() ? fail(error, QStringLiteral("No modem log"))
                                        : compact(logpath, progress, error);
    progress.setProgressEnabled(false);
    progress.setProgress(0);
    progress.setStatus(QString());
    return done;
}
