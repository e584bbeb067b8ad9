#include "helpfrm.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

helpfrm::helpfrm(const QString& text, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("helpfrm"));
    setWindowTitle(QStringLiteral("Help"));

    m_text1 = new QPlainTextEdit(text, this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setAccessibleName(QStringLiteral("Help"));
    m_text1->setReadOnly(true);
    // Read-only, yet the keyboard still moves through the text and selects it for copying.
    m_text1->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    m_command1 = new QPushButton(QStringLiteral("Close"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setAutoDefault(false);
    connect(m_command1, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_command1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text1, 1);
    layout->addLayout(buttons);
    resize(640, 560);
    m_text1->setFocus();
}
