#include "modemlogcompactor.h"

#include "platform/mappedfile.h"
#include "platform/progresssink.h"
#include "platform/textfile.h"

#include <QFile>

#include <array>
#include <filesystem>
#include <system_error>
#include <unistd.h>

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
    const MappedFile log(logpath);
    if (!log.isOpen())
        return fail(error, QStringLiteral("Cannot read ") + logpath);

    // One pass, line by line; most lines are modem commands and are dropped.
    const QByteArrayView text = log.bytes();
    const qsizetype length = text.size();
    QByteArray kept;
    int shownPercent = -1;
    for (qsizetype start = 0; start < length;) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = length;
        QByteArrayView line = text.sliced(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        if (ModemLogCompactor::keeps(line)) {
            kept += line;
            kept += "\r\n";
        }
        const int percent = int(end * 100 / length);
        if (percent != shownPercent) {
            progress.setProgress(percent);
            shownPercent = percent;
        }
        start = end + 1;
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
