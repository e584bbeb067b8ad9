#include "messageboxprompter.h"

#include "platform/programinfo.h"

#include <QInputDialog>
#include <QMessageBox>

Prompter::Answer MessageBoxPrompter::message(const QString& text, Icon icon, Buttons buttons,
                                             Answer defaultButton)
{
    QMessageBox box(m_parent);
    box.setWindowTitle(ProgramInfo::title());
    box.setText(text);
    switch (icon) {
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    if (buttons != Buttons::Ok) {
        const QMessageBox::StandardButton preferred = defaultButton == Answer::No ? QMessageBox::No
                                                      : defaultButton == Answer::Cancel
                                                          ? QMessageBox::Cancel
                                                          : QMessageBox::Yes;
        box.setDefaultButton(preferred);
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
}

std::optional<QString> MessageBoxPrompter::input(const QString& prompt, const QString& title,
                                                 const QString& proposed)
{
    bool accepted = false;
    const QString answer =
        QInputDialog::getText(m_parent, title, prompt, QLineEdit::Normal, proposed, &accepted);
    if (!accepted)
        return std::nullopt;
    return answer;
}
