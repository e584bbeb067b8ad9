#include "textviewer.h"

#include "platform/textfile.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TextViewer::TextViewer(const QString& title, const QString& text, QWidget* parent)
    : QDialog(parent), m_text(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("textviewer"));
    setWindowTitle(title);
    m_text->setObjectName(QStringLiteral("text"));
    m_text->setAccessibleName(title);
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setPlainText(text);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addWidget(buttons);
    resize(760, 520);
}

bool TextViewer::showFile(const QString& path, QWidget* parent)
{
    const std::optional<QStringList> lines = TextFile::readLines(path);
    if (!lines)
        return false;
    auto* viewer =
        new TextViewer(QFileInfo(path).fileName(), lines->join(QLatin1Char('\n')), parent);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->show();
    viewer->activateWindow();
    return true;
}
