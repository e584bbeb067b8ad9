#pragma once

#include "loadmessages.h"
#include "loadreport.h"
#include "logloader.h"
#include "shutdownguard.h"
#include "sources/sourcechoice.h"
#include "tariff/callcoster.h"

#include <QString>
#include <memory>

class ConnectionSource;
class ConnectionTable;
class ProgressSink;
class SettingsStore;
class TariffTable;

// The user's connections as the window and the command line both load them: the source chosen
// (stored, or given for this run), the load cycle over it, costed with the tariff and with the
// user's notes laid over the table, the report of the last load and what it has to tell.
class LoadSession
{
public:
    // A read-only session's loads leave the own log as it is: the table is what a load would
    // write there.
    enum class Writes { OwnLog, Nothing };
    // The table and the tariff are the caller's and outlive the session; the program's own files
    // of a system source are kept in `dataDirectory`.
    LoadSession(ConnectionTable& table, const TariffTable& tariff, ProgressSink& progress,
                QString dataDirectory, Writes writes = Writes::OwnLog);
    ~LoadSession();

    // The choice stored in the settings or, for this run only, pppd's records in the journal
    // files of `journalDirectory` when one is given.
    static SourceChoice chosen(const SettingsStore& settings, const QString& journalDirectory);
    // Reads from now on the source chosen.
    void use(const SourceChoice& choice);
    const SourceChoice& choice() const { return m_choice; }
    // Whether one was chosen yet; what follows needs one.
    bool hasSource() const { return m_source != nullptr; }
    ConnectionSource& source() const { return *m_source; }

    // Rebuilds the table from the source and its own log. A live read that cannot open the
    // source leaves the table, and what the last report says of it, as they were.
    const LoadReport& load(LogLoader::Notes notes = LogLoader::Notes::AsCosted,
                           LogLoader::Reading reading = LogLoader::Reading::Asked);
    const LoadReport& lastReport() const { return m_lastReport; }
    // Whether the source differs from what the last load read.
    bool sourceChanged() const { return m_loader->sourceChanged(); }
    // What the last load has to tell that was not told before.
    QList<LoadMessages::Message> news();
    // The standing facts told are remembered in `settings`, so the next run does not repeat
    // them; a session without tells them once a run.
    void rememberToldIn(SettingsStore& settings) { m_messages.rememberToldIn(settings); }
    const CallCoster& coster() const { return m_coster; }

    // Writes the table's notes; the message for the user when they could not be written.
    std::optional<LoadMessages::Message> savetheextrabits() const;
    // Start New Log on the source, from what the last load found.
    bool startnew();
    // The close step: empties the modem log when that is safe; the message for the user when it
    // could not be emptied.
    std::optional<LoadMessages::Message> unload();

private:
    ConnectionTable& m_table;
    const TariffTable& m_tariff;
    CallCoster m_coster;
    QString m_dataDirectory;
    SourceChoice m_choice;
    std::unique_ptr<ConnectionSource> m_source;
    std::unique_ptr<LogLoader> m_loader;
    ProgressSink& m_progress;
    Writes m_writes;
    LoadReport m_lastReport;
    LogLoader::Reading m_lastReading = LogLoader::Reading::Asked;
    LoadMessages m_messages;
};
