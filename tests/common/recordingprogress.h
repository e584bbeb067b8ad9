#pragma once

#include "platform/progresssink.h"

#include <QList>
#include <QStringList>

// Records every status text and progress value it is given.
class RecordingProgress : public ProgressSink
{
public:
    QStringList statuses;
    QList<int> values;
    bool enabled = false;

    void setStatus(const QString& text) override { statuses << text; }
    void setProgress(int percent) override { values << percent; }
    void setProgressEnabled(bool on) override { enabled = on; }
};
