#pragma once

#include <QStringList>
#include <functional>

class ConnectionTable;
class Prompter;

// Enters and removes the user's extra information on the connections of selected written-view
// lines, then has the extra information file saved.
class ExtraInfoEditor
{
public:
    // save writes the extra information file of the table's modem log.
    ExtraInfoEditor(ConnectionTable& table, Prompter& prompter, std::function<void()> save);

    // One input box per connection line, in order. True, after saving, when any line was
    // selected; the written view is then to be refilled.
    bool enterit(const QStringList& selectedLines);
    // One question per connection line that holds other information. True, after saving, when
    // any line was selected.
    bool reminfo(const QStringList& selectedLines);

    static QString inputPrompt(const QString& numberText);
    static QString removeQuestion(const QString& numberText);
    static QString inputTitle();

private:
    // The connection a line stands for, or 0.
    int connectionOf(const QString& line) const;

    ConnectionTable& m_table;
    Prompter& m_prompter;
    std::function<void()> m_save;
};
