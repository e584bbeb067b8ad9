#include "statusline.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

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
    m_status = text;
    const QString& shown = text.isEmpty() ? m_resting : text;
    if (shown == m_label1->text())
        return;
    m_label1->setText(shown); // asks the event loop for a painting
    m_labelStale = true;
    if (m_pacer.frameDue())
        paintNow();
}

void StatusLine::setRestingText(const QString& text)
{
    m_resting = text;
    setStatus(m_status);
}

void StatusLine::setProgress(int percent)
{
    // The bar repaints itself at once whenever its value moves, so a value waits here until a
    // frame is due, or until the event loop runs.
    m_pendingValue = percent;
    if (m_pacer.frameDue()) {
        paintNow();
    } else if (!m_valueScheduled) {
        m_valueScheduled = true;
        QTimer::singleShot(0, this, [this] {
            m_valueScheduled = false;
            m_progressBar1->setValue(m_pendingValue);
        });
    }
}

void StatusLine::paintNow()
{
    if (m_labelStale)
        m_label1->repaint();
    m_labelStale = false;
    m_progressBar1->setValue(m_pendingValue);
    m_pacer.painted();
}

void StatusLine::setProgressEnabled(bool enabled)
{
    m_progressBar1->setEnabled(enabled);
}
