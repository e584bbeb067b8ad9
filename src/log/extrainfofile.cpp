#include "extrainfofile.h"

#include "connectiontable.h"
#include "platform/programdirectory.h"
#include "platform/quotedfields.h"
#include "platform/textfile.h"

#include <QFileInfo>

QString ExtraInfoFile::pathFor(const QString& logpath, const QString& programDirectory)
{
    const qsizetype slash =
        qMax(logpath.lastIndexOf(QLatin1Char('/')), logpath.lastIndexOf(QLatin1Char('\\')));
    const QString fileName = logpath.mid(slash + 1);
    return programDirectory + QStringLiteral("/Extra information for ") +
           fileName.chopped(qMin<qsizetype>(4, fileName.size())) + QStringLiteral(".dtk");
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

std::optional<QStringList> ExtraInfoFile::read() const
{
    std::optional<QStringList> texts = readAll();
    if (texts && texts->size() > ConnectionTable::Capacity)
        texts->resize(ConnectionTable::Capacity);
    return texts;
}

void ExtraInfoFile::overlay(ConnectionTable& table, const QStringList& texts,
                            const std::function<bool(int)>& wanted)
{
    const int count = int(qMin<qsizetype>(texts.size(), ConnectionTable::Capacity));
    for (int slot = 1; slot <= count; ++slot) {
        const QString& text = texts.at(slot - 1);
        if (!text.isEmpty() && (!wanted || wanted(slot)))
            table[slot].otherinfo = text;
    }
}

bool ExtraInfoFile::gettheextrabits(ConnectionTable& table) const
{
    const std::optional<QStringList> texts = read();
    if (!texts)
        return false;
    overlay(table, *texts);
    return true;
}

bool ExtraInfoFile::savetheextrabits(const ConnectionTable& table, QString* error) const
{
    if (!ProgramDirectory::ensureExists(m_directory)) {
        if (error)
            *error = QStringLiteral("Cannot create ") + m_directory;
        return false;
    }
    // The notes the table does not reach (it holds fewer connections than the file has lines
    // while the own log cannot be read, say) are kept as they are.
    const std::optional<QStringList> stored = readAll();
    if (!stored && QFileInfo::exists(m_path)) {
        if (error)
            *error = QStringLiteral("Cannot read ") + m_path;
        return false;
    }
    QStringList lines;
    lines.reserve(qMax<qsizetype>(table.connectioncount(), stored ? stored->size() : 0));
    for (int slot = 1; slot <= table.connectioncount(); ++slot) {
        const QString& text = table[slot].otherinfo;
        lines << QuotedFields::quote(isMarker(text) ? QString() : oneLine(text));
    }
    for (qsizetype k = lines.size(); stored && k < stored->size(); ++k)
        lines << QuotedFields::quote(stored->at(k));
    return TextFile::writeLines(m_path, lines, error);
}
