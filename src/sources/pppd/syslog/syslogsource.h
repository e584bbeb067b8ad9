#pragma once

#include "sources/pppd/pppdsource.h"
#include "syslogreader.h"

// pppd's records in a syslog-style text file: /var/log/syslog or /var/log/messages, a copy from
// another machine, a journalctl text export.
class SyslogSource : public PppdSource
{
public:
    SyslogSource(const QString& path, QString dataDirectory);

    QString description() const override { return m_reader.path(); }
    QString openingStatus() const override { return QStringLiteral("Opening system log file..."); }
    QString noConnectionsMessage() const override;
    std::unique_ptr<SourceWatch> watch() override;

protected:
    std::optional<Records> readRecords(ProgressSink& progress, bool fromStart,
                                       QString* error) override;
    void resumeAt(qsizetype index) override { m_reader.resumeAt(index); }

private:
    SyslogReader m_reader;
};
