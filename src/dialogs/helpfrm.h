#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// "Help": the help text in a read-only box that scrolls, and Close.
class helpfrm : public QDialog
{
    Q_OBJECT
public:
    explicit helpfrm(const QString& text, QWidget* parent = nullptr);

private:
    QPlainTextEdit* m_text1 = nullptr;
    QPushButton* m_command1 = nullptr;
};
