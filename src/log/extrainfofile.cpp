#include "extrainfofile.h"

#include "connectiontable.h"
#include "platform/programdirectory.h"
#include "platform/quotedfields.h"
#include "platform/textfile.h"

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
    return text == QLatin1String("Reconnection") || text == QLatin1String("Unknown End") ||
           text == QLatin1String("Peak Rate");
}

std::optional<QStringList> ExtraInfoFile::read() const
{
    const std::optional<QStringList> lines = TextFile::readLines(m_path);
    if (!lines)
        return std::nullopt;
    QStringList texts;
    const qsizetype count = qMin<qsizetype>(lines->size(), ConnectionTable::Capacity);
    texts.reserve(count);
    for (qsizetype k = 0; k < count; ++k)
        texts << QuotedFields::split(lines->at(k)).value(0);
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
    QStringList lines;
    lines.reserve(table.connectioncount());
    for (int slot = 1; slot <= table.connectioncount(); ++slot) {
        const QString& text = table[slot].otherinfo;
        lines << QuotedFields::quote(isMarker(text) ? QString() : text);
    }
    return TextFile::writeLines(m_path, lines, error);
}
