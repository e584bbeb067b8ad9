#pragma once

#include <QObject>

// Tells the window that a source has news: a call ended, a file grew or was rotated.
class SourceWatch : public QObject
{
    Q_OBJECT

public:
    explicit SourceWatch(QObject* parent = nullptr);

Q_SIGNALS:
    void changed();
};
