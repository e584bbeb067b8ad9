#include "extrainfofile.h"

#include "connectiontable.h"
#include "lognames.h"
#include "platform/programdirectory.h"
#include "platform/quotedfields.h"
#include "platform/textfile.h"

#include <QFileInfo>

QString ExtraInfoFile::pathFor(const QString& logpath, const QString& programDirectory)
{
    return programDirectory + QStringLiteral("/Extra information for ") +
           LogNames::withoutExtension(LogNames::fileName(logpath)) + QStringLiteral(".dtk");
}

ExtraInfoFile::ExtraInfoFile(const QString& path)
    : m_directory(QFileInfo(path).absolutePath()), m_path(path)
{
}

bool ExtraInfoFile::isMarker(const QString& text)
{
    // "ERROR" is costing's word, not the user's: stored, it would outlive a mended tariff.
    return text == QLatin1String("Reconnection") || text == QLatin1String("Unknown End") ||
           text == QLatin1String("Peak Rate") || text == QLatin1String("ERROR");
}

QString ExtraInfoFile::oneLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (const QChar lineBreak : {QChar(u'\r'), QChar(u'\n'), QChar(u'\u2028'), QChar(u'\u2029')})
        text.replace(lineBreak, QLatin1Char(' '));
    return text;
}

namespace
{

bool opensAQuote(const QString& line)
{
    const QString text = line.trimmed();
    return text.startsWith(QLatin1Char('"')) &&
           (text.size() == 1 || !text.endsWith(QLatin1Char('"')));
}

// Older versions wrote a note with a line break in it as it stood, over two lines. A line
// that opens a quote it does not close is joined with the lines up to the one that closes it,
// but only across lines that do not start a note of their own, so a damaged line never takes
// the next note with it.
QStringList joinSplitNotes(const QStringList& lines)
{
    QStringList joined;
    joined.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (opensAQuote(line)) {
            for (qsizetype j = i + 1; j < lines.size(); ++j) {
                const QString next = lines.at(j).trimmed();
                if (next.startsWith(QLatin1Char('"')))
                    break;
                if (next.endsWith(QLatin1Char('"'))) {
                    line = lines.mid(i, j - i + 1).join(QLatin1Char('\n'));
                    i = j;
                    break;
                }
            }
        }
        joined << line;
    }
    return joined;
}

} // namespace

std::optional<QStringList> ExtraInfoFile::readAll() const
{
    const std::optional<QStringList> lines = TextFile::readLines(m_path);
    if (!lines)
        return std::nullopt;
    QStringList texts;
    for (const QString& line : joinSplitNotes(*lines))
        texts << oneLine(QuotedFields::split(line).value(0));
    return texts;
}

std::optional<QStringList> ExtraInfoFile::read(const NoteLines& lines) const
{
    std::optional<QStringList> texts = readAll();
    const int last = lines.lineOf(ConnectionTable::Capacity);
    if (texts && texts->size() > last)
        texts->resize(last);
    return texts;
}

bool ExtraInfoFile::gettheextrabits(ConnectionTable& table, const NoteLines& lines,
                                    const std::function<bool(int)>& wanted) const
{
    const std::optional<QStringList> texts = read(lines);
    if (!texts)
        return false;
    for (int slot = 1; slot <= ConnectionTable::Capacity; ++slot) {
        const int line = lines.lineOf(slot);
        if (line > texts->size())
            break;
        const QString& text = texts->at(line - 1);
        if (!text.isEmpty() && (!wanted || wanted(slot)))
            table[slot].otherinfo = text;
    }
    return true;
}

bool ExtraInfoFile::savetheextrabits(const ConnectionTable& table, QString* error,
                                     const NoteLines& lines) const
{
    if (!ProgramDirectory::ensureExists(m_directory)) {
        if (error)
            *error = QStringLiteral("Cannot create ") + m_directory;
        return false;
    }
    // The file is never written shorter than it is: what the table does not reach stays.
    const std::optional<QStringList> stored = readAll();
    if (!stored && QFileInfo::exists(m_path)) {
        if (error)
            *error = QStringLiteral("Cannot read ") + m_path;
        return false;
    }
    QStringList texts = stored.value_or(QStringList());
    for (int slot = 1; slot <= table.connectioncount(); ++slot) {
        const int line = lines.lineOf(slot);
        if (texts.size() < line)
            texts.resize(line);
        const QString& text = table[slot].otherinfo;
        // Where the table shows a marker, the note it could not show stays; a marker word that
        // an older version stored is costing's, not the user's, and goes.
        if (!isMarker(text))
            texts[line - 1] = oneLine(text);
        else if (isMarker(texts.at(line - 1)))
            texts[line - 1].clear();
    }
    QStringList fileLines;
    fileLines.reserve(texts.size());
    for (const QString& text : std::as_const(texts))
        fileLines << QuotedFields::quote(text);
    return TextFile::writeLines(m_path, fileLines, error);
}
