#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
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
    // The file's lines without their CR LF or LF endings; a last line without an ending counts.
    static std::optional<QStringList> readLines(const QString& path);
    static QList<QByteArray> splitLines(const QByteArray& bytes);

    // Each line is ended by CR LF.
    static bool writeLines(const QString& path, const QStringList& lines, QString* error = nullptr);
    static bool writeBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);
    static QByteArray encode(const QString& text);
    static QString decode(const QByteArray& bytes);
};
