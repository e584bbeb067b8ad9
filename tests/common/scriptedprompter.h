#pragma once

#include "platform/prompter.h"

#include <QList>
#include <QStringList>

// Answers message and input boxes from a script and records what was shown.
class ScriptedPrompter : public Prompter
{
public:
    struct Shown {
        QString text;
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        bool isInput = false;
        QString title;    // input boxes only
        QString proposed; // input boxes only
        Answer defaultButton = Answer::Yes;
    };

    // Answers for the next message boxes, in order; Ok (or Yes) when the script runs out.
    QList<Answer> answers;
    // Answers for the next input boxes; an empty optional is Cancel. The proposed text is
    // returned when the script runs out.
    QList<std::optional<QString>> inputs;
    QList<Shown> shown;

    Answer message(const QString& text, Icon icon, Buttons buttons,
                   Answer defaultButton = Answer::Yes) override
    {
        shown.append({text, icon, buttons, false, {}, {}, defaultButton});
        if (!answers.isEmpty())
            return answers.takeFirst();
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
    }

    std::optional<QString> input(const QString& prompt, const QString& title,
                                 const QString& proposed) override
    {
        shown.append({prompt, Icon::None, Buttons::Ok, true, title, proposed});
        if (!inputs.isEmpty())
            return inputs.takeFirst();
        return proposed;
    }

    QStringList texts() const
    {
        QStringList result;
        for (const Shown& s : shown)
            result << s.text;
        return result;
    }
};
