#pragma once

#include "platform/prompter.h"

class QWidget;

// Message and input boxes over the main window, carrying the program's title.
class MessageBoxPrompter : public Prompter
{
public:
    explicit MessageBoxPrompter(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    Answer message(const QString& text, Icon icon = Icon::None, Buttons buttons = Buttons::Ok,
                   Answer defaultButton = Answer::Yes) override;
    std::optional<QString> input(const QString& prompt, const QString& title,
                                 const QString& proposed) override;

private:
    QWidget* m_parent;
};
