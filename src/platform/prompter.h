#pragma once

#include <QString>
#include <optional>

// Message and input boxes. The program's own prompter shows them with the program's title;
// tests answer them from a script.
class Prompter
{
public:
    enum class Icon { None, Information, Warning, Question };
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~Prompter() = default;
    // defaultButton is the button Enter presses: No for a question that cannot be undone.
    virtual Answer message(const QString& text, Icon icon = Icon::None,
                           Buttons buttons = Buttons::Ok, Answer defaultButton = Answer::Yes) = 0;
    // Empty optional when the user cancels.
    virtual std::optional<QString> input(const QString& prompt, const QString& title,
                                         const QString& proposed) = 0;
};
