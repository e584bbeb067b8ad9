#include "textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <array>
#include <unistd.h>

namespace
{

// Windows-1252 where it differs from Latin-1; 0 marks its five unused codes, kept as they are.
constexpr std::array<char16_t, 32> Windows1252High{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

QString fromWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes.at(i));
        const char16_t mapped = byte >= 0x80 && byte < 0xA0 ? Windows1252High[byte - 0x80] : 0;
        text[i] = QChar(mapped ? mapped : char16_t(byte));
    }
    return text;
}

bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

} // namespace

std::optional<QByteArray> TextFile::readBytes(const QString& path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

std::optional<QStringList> TextFile::readLines(const QString& path)
{
    const std::optional<QByteArray> bytes = readBytes(path);
    if (!bytes)
        return std::nullopt;
    // Line by line, so a file that an older version wrote in the ANSI code page and this one
    // went on in UTF-8 reads right throughout.
    const QList<QByteArray> lines = splitLines(*bytes);
    QStringList texts;
    texts.reserve(lines.size());
    for (const QByteArray& line : lines)
        texts << decode(line);
    return texts;
}

QList<QByteArray> TextFile::splitLines(const QByteArray& bytes)
{
    // CR LF, LF, and CR alone (as some editors save) each end a line.
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c != '\n' && c != '\r')
            continue;
        lines.append(bytes.sliced(start, i - start));
        if (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.append(bytes.sliced(start));
    return lines;
}

bool TextFile::writeLines(const QString& path, const QStringList& lines, QString* error)
{
    QString text;
    for (const QString& line : lines)
        text += line + QLatin1String("\r\n");
    return writeBytes(path, encode(text), error);
}

QString TextFile::writeTarget(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString target = info.canonicalFilePath();
    // A link to a file that is not there yet creates it where the link points.
    return target.isEmpty() ? info.symLinkTarget() : target;
}

bool TextFile::writeBytes(const QString& path, const QByteArray& bytes, QString* error,
                          const Check& beforeReplacing)
{
    QSaveFile file(writeTarget(path));
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, file.errorString());
    // The save file buffers: a full disk shows only when the buffer is flushed, and commit()
    // would put a short file in place regardless. So every byte must be written and synced
    // before the rename.
    if (file.write(bytes) != bytes.size() || !file.flush() ||
        file.error() != QFileDevice::NoError || ::fsync(file.handle()) != 0) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(error, reason.isEmpty() ? QStringLiteral("Cannot write ") + path : reason);
    }
    if (beforeReplacing && !beforeReplacing()) {
        file.cancelWriting();
        return fail(error, path + QStringLiteral(" was changed by another program"));
    }
    if (!file.commit())
        return fail(error, file.errorString());
    return true;
}

QByteArray TextFile::encode(const QString& text)
{
    return text.toUtf8();
}

QString TextFile::decode(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return fromWindows1252(bytes);
}
