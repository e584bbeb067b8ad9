#include "extrainfoeditor.h"

#include "log/connectiontable.h"
#include "log/extrainfofile.h"
#include "platform/prompter.h"
#include "report/connectionline.h"

ExtraInfoEditor::ExtraInfoEditor(ConnectionTable& table, Prompter& prompter,
                                 std::function<void()> save)
    : m_table(table), m_prompter(prompter), m_save(std::move(save))
{
}

QString ExtraInfoEditor::inputPrompt(const QString& numberText)
{
    return QStringLiteral("Enter extra connection information for connection number ") + numberText;
}

QString ExtraInfoEditor::removeQuestion(const QString& numberText)
{
    return QStringLiteral("Do you want to remove the extra connectioin information stored for "
                          "conection number ") +
           numberText + QStringLiteral(" ?");
}

QString ExtraInfoEditor::inputTitle()
{
    return QStringLiteral("Extra Connection Information Input");
}

int ExtraInfoEditor::connectionOf(const QString& line) const
{
    const int number = ConnectionLine::number(line);
    // Lines come from the table; a number outside it names no connection.
    return number <= m_table.connectioncount() ? number : 0;
}

bool ExtraInfoEditor::enterit(const QStringList& selectedLines)
{
    for (const QString& line : selectedLines) {
        const int number = connectionOf(line);
        if (number == 0)
            continue;
        ConnectionRecord& record = m_table[number];
        const std::optional<QString> answer = m_prompter.input(
            inputPrompt(ConnectionLine::numberText(line)), inputTitle(), record.otherinfo);
        // Cancel and an empty answer both keep what is there; removing is done on its own.
        if (answer && !answer->isEmpty()) {
            m_table.tableViewCurrent = false;
            record.otherinfo = ExtraInfoFile::oneLine(*answer);
        }
    }
    if (selectedLines.isEmpty())
        return false;
    if (m_save)
        m_save();
    return true;
}

bool ExtraInfoEditor::reminfo(const QStringList& selectedLines)
{
    for (const QString& line : selectedLines) {
        const int number = connectionOf(line);
        if (number == 0)
            continue;
        m_table.tableViewCurrent = false;
        ConnectionRecord& record = m_table[number];
        if (record.otherinfo.isEmpty())
            continue;
        const Prompter::Answer answer = m_prompter.message(
            removeQuestion(ConnectionLine::numberText(line)), Prompter::Icon::None,
            Prompter::Buttons::YesNo, Prompter::Answer::No);
        if (answer == Prompter::Answer::Yes)
            record.otherinfo.clear();
    }
    if (selectedLines.isEmpty())
        return false;
    if (m_save)
        m_save();
    return true;
}
