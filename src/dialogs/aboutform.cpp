#include "aboutform.h"

#include "platform/programinfo.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{
QLabel* label(const QString& name, const QString& text, QWidget* parent)
{
    auto* shown = new QLabel(text, parent);
    shown->setObjectName(name);
    shown->setWordWrap(true);
    return shown;
}

// A path the user can select and copy but not change; on one line, so that it never breaks.
QLineEdit* pathBox(const QString& name, const QString& text, QLabel* caption, QWidget* parent)
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setCursorPosition(0);
    box->setToolTip(text);
    box->setAccessibleName(caption->text().remove(QLatin1Char('&')));
    caption->setBuddy(box);
    return box;
}
} // namespace

Aboutform::Aboutform(const QString& documentation, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Aboutform"));
    setWindowTitle(QStringLiteral("About ") + ProgramInfo::title());

    m_picIcon = new QLabel(this);
    m_picIcon->setObjectName(QStringLiteral("picIcon"));
    m_picIcon->setPixmap(windowIcon().pixmap(QSize(48, 48)));
    m_picIcon->setAccessibleName(ProgramInfo::title() + QStringLiteral(" icon"));
    m_picIcon->setAlignment(Qt::AlignTop);

    m_lblTitle = label(QStringLiteral("lblTitle"), ProgramInfo::title(), this);
    QFont titleFont = m_lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    m_lblTitle->setFont(titleFont);
    m_lblVersion = label(QStringLiteral("lblVersion"), ProgramInfo::versionText(), this);
    // The notices the licence asks an interactive program to show: copyright, licence, where to
    // read it, and no warranty.
    QLabel* label1 = label(QStringLiteral("Label1"),
                           QStringLiteral("\u00A9 2026 Dialtrak developers. Dialtrak is free "
                                          "software under the GNU General Public License, version "
                                          "3 or later (www.gnu.org/licenses), and comes with no "
                                          "warranty."),
                           this);

    // Menu paths are held together by no-break spaces, so that no line starts with ">".
    QLabel* label2 = label(QStringLiteral("Label2"),
                           QStringLiteral("For help, choose Help\u00A0>\u00A0Contents in the main "
                                          "window: it explains every view and command."),
                           this);
    QLabel* label3 =
        label(QStringLiteral("Label3"),
              QStringLiteral("The &documentation shipped with Dialtrak, which "
                             "Help\u00A0>\u00A0Dialtrak\u00A0on\u00A0the\u00A0Web opens, is:"),
              this);
    m_text2 =
        pathBox(QStringLiteral("Text2"), QDir::toNativeSeparators(documentation), label3, this);

    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setDefault(true);
    connect(m_cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(m_lblTitle);
    text->addWidget(m_lblVersion);
    text->addSpacing(8);
    text->addWidget(label1);
    text->addSpacing(8);
    text->addWidget(label2);
    text->addSpacing(8);
    text->addWidget(label3);
    text->addWidget(m_text2);

    auto* top = new QHBoxLayout;
    top->addWidget(m_picIcon);
    top->addSpacing(12);
    top->addLayout(text, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    // Never narrower or lower than where every line shows whole.
    resize(480, heightForWidth(480));
    setMinimumSize(size());
    m_cmdOK->setFocus();
}
