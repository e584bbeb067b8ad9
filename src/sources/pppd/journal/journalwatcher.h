#pragma once

#include "journalhandle.h"
#include "journallocation.h"

#include <QObject>
#include <QString>
#include <QTimer>

class QSocketNotifier;

// Tells, while the program runs, that the journal has news for a JournalReader: pppd or
// ModemManager logged a
// record, or journal files were added, rotated or removed. Other programs' entries, which the
// system journal gains all the time, stay quiet.
class JournalWatcher : public QObject
{
    Q_OBJECT

public:
    explicit JournalWatcher(const JournalLocation& location, QObject* parent = nullptr);
    ~JournalWatcher() override;

    bool isWatching() const { return m_notifier != nullptr; }
    // Why the journal cannot be watched, for the user.
    QString errorString() const { return m_error; }

Q_SIGNALS:
    // Read again from the last cursor.
    void changed();

private:
    void process();
    void armTimer();

    JournalHandle m_handle;
    QSocketNotifier* m_notifier = nullptr;
    // sd-journal asks to be woken when it must look at files it cannot watch by notification.
    QTimer m_timer;
    QString m_error;
};
