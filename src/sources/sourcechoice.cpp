#include "sourcechoice.h"

#include "logfilekind.h"
#include "platform/settingsstore.h"
#include "sources/modemlog/modemlogsource.h"
#include "sources/pppd/journal/journalsource.h"
#include "sources/pppd/syslog/syslogsource.h"

namespace
{
const QString kLogfile = QStringLiteral("Logfile");
const QString kPath = QStringLiteral("Path");
const QString kSource = QStringLiteral("Source");
const QString kSystemLog = QStringLiteral("System log");
const QString kSystemLogValue = QStringLiteral("system log");
const QString kJournalValue = QStringLiteral("journal");
const QString kModemLogValue = QStringLiteral("modem log");
} // namespace

SourceChoice SourceChoice::load(const SettingsStore& settings)
{
    const QString source = settings.read(kLogfile, kSource, kModemLogValue);
    if (source == kJournalValue)
        return {Kind::Journal, QString()};
    if (source == kSystemLogValue)
        return {Kind::SystemLog, settings.read(kLogfile, kSystemLog, QString())};
    return {Kind::ModemLog, storedModemLog(settings)};
}

QString SourceChoice::storedModemLog(const SettingsStore& settings)
{
    return settings.read(kLogfile, kPath, QString());
}

SourceChoice SourceChoice::ofFile(const QString& path)
{
    // An empty or unreadable file stays what the user chose it as, a modem log: the load then
    // says what it finds.
    const std::optional<LogFileKind::Kind> kind = LogFileKind::ofFile(path);
    return {kind == LogFileKind::Kind::Syslog ? Kind::SystemLog : Kind::ModemLog, path};
}

void SourceChoice::save(SettingsStore& settings) const
{
    switch (kind) {
    case Kind::ModemLog:
        settings.write(kLogfile, kPath, path);
        // Only where another source was chosen before: a modem log's settings stay as they were.
        if (settings.read(kLogfile, kSource, kModemLogValue) != kModemLogValue)
            settings.write(kLogfile, kSource, kModemLogValue);
        break;
    case Kind::SystemLog:
        settings.write(kLogfile, kSystemLog, path);
        settings.write(kLogfile, kSource, kSystemLogValue);
        break;
    case Kind::Journal:
        settings.write(kLogfile, kSource, kJournalValue);
        break;
    }
}

SourceChoice SourceChoice::journalFolder(const QString& directory)
{
    return {Kind::Journal, directory};
}

std::optional<SourceChoice::Offer> SourceChoice::offerOnThisComputer()
{
    if (!JournalSource::holdsRecords(JournalLocation::system()))
        return std::nullopt;
    return Offer{{Kind::Journal, QString()},
                 QStringLiteral("This computer's journal holds records of PPP or mobile "
                                "connections (a modem, a 4G or 5G stick or card, a PPPoE line). "
                                "Do you want Dialtrak to show this computer's PPP and mobile "
                                "connections?\n\nChoose No "
                                "to select a Windows modem log file instead.")};
}

std::unique_ptr<ConnectionSource> SourceChoice::open(const QString& dataDirectory) const
{
    switch (kind) {
    case Kind::ModemLog:
        return std::make_unique<ModemLogSource>(path, dataDirectory);
    case Kind::SystemLog:
        return std::make_unique<SyslogSource>(path, dataDirectory);
    case Kind::Journal:
        return std::make_unique<JournalSource>(path.isEmpty() ? JournalLocation::system()
                                                              : JournalLocation::directory(path),
                                               dataDirectory);
    }
    return nullptr;
}
