#pragma once

#include <QString>

// The main window's status label and progress bar, as long operations see them.
class ProgressSink
{
public:
    virtual ~ProgressSink() = default;
    // Shown at once, while the operation goes on.
    virtual void setStatus(const QString& text) = 0;
    // 0 to 100.
    virtual void setProgress(int percent) = 0;
    virtual void setProgressEnabled(bool enabled) = 0;
};

// For callers that show no progress.
class SilentProgress : public ProgressSink
{
public:
    void setStatus(const QString&) override {}
    void setProgress(int) override {}
    void setProgressEnabled(bool) override {}
};
