#include "loadsession.h"

#include "connectiontable.h"
#include "extrainfofile.h"
#include "logreset.h"
#include "sources/connectionsource.h"
#include "stats/volumecharges.h"
#include "tariff/tarifftable.h"

LoadSession::LoadSession(ConnectionTable& table, const TariffTable& tariff, ProgressSink& progress,
                         QString dataDirectory, Writes writes)
    : m_table(table), m_tariff(tariff), m_coster(tariff), m_dataDirectory(std::move(dataDirectory)),
      m_progress(progress), m_writes(writes)
{
}

LoadSession::~LoadSession() = default;

SourceChoice LoadSession::chosen(const SettingsStore& settings, const QString& journalDirectory)
{
    return journalDirectory.isEmpty() ? SourceChoice::load(settings)
                                      : SourceChoice::journalFolder(journalDirectory);
}

void LoadSession::use(const SourceChoice& choice)
{
    m_choice = choice;
    m_source = choice.open(m_dataDirectory);
    m_loader = std::make_unique<LogLoader>(
        m_table,
        [this](ConnectionTable& table, int slot) { return m_coster.findvariables(table, slot); },
        m_progress, *m_source);
    m_loader->setReadOnly(m_writes == Writes::Nothing);
    m_loader->setBillCoster([this](ConnectionTable& table) {
        VolumeCharges::apply(table, m_tariff.appliedBillPlan());
    });
    m_messages.sourceChanged();
}

const LoadReport& LoadSession::load(LogLoader::Notes notes, LogLoader::Reading reading)
{
    m_lastReading = reading;
    LoadReport report = m_loader->lookinlog(notes, reading);
    if (report.sourceLost) {
        // The notes' lines, the own log's state and the calls beyond the table are still those
        // of the connections shown.
        m_lastReport.sourceLost = true;
        m_lastReport.sourceError = report.sourceError;
    } else {
        m_lastReport = std::move(report);
    }
    return m_lastReport;
}

QList<LoadMessages::Message> LoadSession::news()
{
    // A call in progress is a connection found, though not yet one of the table.
    const int found = m_table.connectioncount() + int(m_lastReport.callsInProgress.size());
    return m_messages.after(m_lastReport, *m_source, found, m_lastReading);
}

std::optional<LoadMessages::Message> LoadSession::savetheextrabits() const
{
    const ExtraInfoFile file(m_source->notesPath());
    if (file.savetheextrabits(m_table, nullptr, m_lastReport.noteLines))
        return std::nullopt;
    return LoadMessages::notesNotSaved(file.path());
}

bool LoadSession::startnew()
{
    return LogReset::startnew(*m_source, m_lastReport);
}

std::optional<LoadMessages::Message> LoadSession::unload()
{
    const ShutdownGuard::Result result = ShutdownGuard(*m_loader, m_table).unload(m_lastReport);
    if (result.outcome != ShutdownGuard::Outcome::CannotEmpty)
        return std::nullopt;
    return LoadMessages::notEmptied(*m_source);
}
