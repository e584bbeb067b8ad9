#pragma once

#include "platform/progresspacer.h"
#include "platform/progresssink.h"

#include <QWidget>

class QLabel;
class QProgressBar;

// The main window's status label `Label1` and progress bar `ProgressBar1`, as every long
// operation reports to them: a change is painted at once as often as the eye can follow, else
// at the next frame or with the rest of the window.
class StatusLine : public QWidget, public ProgressSink
{
    Q_OBJECT
public:
    explicit StatusLine(QWidget* parent = nullptr);

    // An empty text shows the resting text.
    void setStatus(const QString& text) override;
    // What the label says while no operation has a status to show (a call in progress).
    void setRestingText(const QString& text);
    void setProgress(int percent) override;
    void setProgressEnabled(bool enabled) override;

private:
    void paintNow();

    ProgressPacer m_pacer;
    QString m_status;
    QString m_resting;
    bool m_labelStale = false;
    int m_pendingValue = 0;
    bool m_valueScheduled = false;
    QLabel* m_label1;
    QProgressBar* m_progressBar1;
};
