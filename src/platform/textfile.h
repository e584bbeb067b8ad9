#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Whole-file reads and writes in the system's encoding. Every write goes to a temporary file
// that replaces the old one in a single rename, so a failure leaves the old file as it was.
class TextFile
{
public:
    static std::optional<QByteArray> readBytes(const QString& path);
    static std::optional<QString> readText(const QString& path);
    // The file's lines without their CR LF or LF endings; a last line without an ending counts.
    static std::optional<QStringList> readLines(const QString& path);
    static QStringList splitLines(const QString& text);

    // Each line is ended by CR LF.
    static bool writeLines(const QString& path, const QStringList& lines, QString* error = nullptr);
    static bool writeBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);
    static QByteArray encode(const QString& text);
    static QString decode(const QByteArray& bytes);
};
