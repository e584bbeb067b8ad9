#include "statusline.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>

StatusLine::StatusLine(QWidget* parent)
    : QWidget(parent), m_label1(new QLabel(this)), m_progressBar1(new QProgressBar(this))
{
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setAccessibleName(QStringLiteral("Status"));
    m_progressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    m_progressBar1->setAccessibleName(QStringLiteral("Progress"));
    m_progressBar1->setRange(0, 100);
    m_progressBar1->setTextVisible(false);
    m_progressBar1->setMaximumWidth(200);
    m_progressBar1->setEnabled(false);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_label1, 1);
    layout->addWidget(m_progressBar1);
}

void StatusLine::setStatus(const QString& text)
{
    m_label1->setText(text);
    m_label1->repaint();
}

void StatusLine::setProgress(int percent)
{
    // The bar repaints itself at once whenever its value moves; held back, it only asks the
    // event loop for a painting.
    const bool now = m_pacer.paintNow(percent);
    if (!now)
        m_progressBar1->setUpdatesEnabled(false);
    m_progressBar1->setValue(percent);
    if (!now)
        m_progressBar1->setUpdatesEnabled(true);
}

void StatusLine::setProgressEnabled(bool enabled)
{
    m_progressBar1->setEnabled(enabled);
}
