#pragma once

#include "logloader.h"
#include "toldfacts.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class ConnectionSource;
class SettingsStore;
struct LoadReport;

// What the user is told of the loads, in the same words wherever they are told: the window shows
// each in a message box, the command line writes it to standard error. Some are told once per
// run (or once for each new reason), as their texts say; this object remembers which. Standing
// facts (lines that cannot be read, figures ignored, a full table) can be remembered across
// runs, so that a start does not repeat what the user already knows.
class LoadMessages
{
public:
    struct Message {
        QString text;
        bool warning = true; // false: information
    };

    // What a load of `source` has to tell that was not told before; `count` is the number of
    // connections it found. Nothing for a source that an asked-for load could not open: the
    // window asks for another instead, the command line gives `failure`. A live read tells
    // only what went wrong: that nothing was found waits for a load the user asked for.
    QList<Message> after(const LoadReport& report, const ConnectionSource& source, int count,
                         LogLoader::Reading reading = LogLoader::Reading::Asked);
    // From now on the standing facts told are kept in `settings`, beyond this run.
    void rememberToldIn(SettingsStore& settings) { m_toldFacts = ToldFacts(settings); }
    // Another source is read from now on: its reasons are told afresh.
    void sourceChanged()
    {
        m_sourceErrorTold.clear();
        m_sourceLostTold = false;
    }

    // Why a load gives no figures a report can stand on: the source could not be opened, or the
    // own log cannot be read, without whose connections the figures are wrong and the notes
    // misplaced. None when the figures can be given.
    static std::optional<QString> failure(const LoadReport& report, const ConnectionSource& source);
    // Amounts of the stored tariff that could not be read and count as 0.
    static Message unreadableAmounts(const QStringList& names);
    // Notes are kept by connection number; without the own log's connections they would land on
    // the wrong calls.
    static Message notesLocked();
    static Message notesNotSaved(const QString& path);
    // The close could not empty the modem log.
    static Message notEmptied(const ConnectionSource& source);

private:
    ToldFacts m_toldFacts;
    // Told once while it lasts: said again only when it comes back after a load that was well.
    bool m_ownLogErrorTold = false;
    bool m_sourceLostTold = false;
    bool m_notesUnreadableTold = false;
    QString m_sourceErrorTold;
    QString m_volumeErrorTold;
};
