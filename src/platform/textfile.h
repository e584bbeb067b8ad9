#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Whole-file reads and writes. Every write goes to a temporary file that replaces the old one in
// a single rename, and only once every byte is known to be on the disk, so a failure (a full
// disk included) leaves the old file as it was. Text is written as UTF-8; a line that is not
// valid UTF-8 is read as Windows-1252, the code page older files were written in.
class TextFile
{
public:
    // Only regular files: a device or a pipe would never end, or never answer.
    static std::optional<QByteArray> readBytes(const QString& path);
    // The file's lines without their CR LF, LF or CR endings; a last line without an ending
    // counts.
    static std::optional<QStringList> readLines(const QString& path);
    static QList<QByteArray> splitLines(const QByteArray& bytes);

    // Each line is ended by CR LF.
    static bool writeLines(const QString& path, const QStringList& lines, QString* error = nullptr);
    // Asked once every byte is on the disk, just before the new file takes the old one's place:
    // false cancels the write (the old file has changed under the writer, say).
    using Check = std::function<bool()>;
    static bool writeBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr,
                           const Check& beforeReplacing = {});
    // The file a write to `path` replaces: the target of a symbolic link, so that the link stays
    // and the file its other users read is the one changed.
    static QString writeTarget(const QString& path);
    static QByteArray encode(const QString& text);
    static QString decode(const QByteArray& bytes);
};
