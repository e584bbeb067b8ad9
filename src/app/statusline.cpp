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
    // The bar repaints at once when its value moves, which for every connection would cost
    // more than the load itself.
    if (m_pacer.shouldShow(percent))
        m_progressBar1->setValue(percent);
}

void StatusLine::setProgressEnabled(bool enabled)
{
    m_progressBar1->setEnabled(enabled);
}
