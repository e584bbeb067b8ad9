#include "journalhandle.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <systemd/sd-journal.h>

namespace
{
QString openError(const JournalLocation& location, int error)
{
    if (location.isSystem())
        return QStringLiteral("This computer's journal cannot be opened: %1.")
            .arg(qt_error_string(error));
    const QString folder = QDir::toNativeSeparators(location.directoryPath());
    switch (error) {
    case ENOENT:
        return QStringLiteral("The journal folder %1 does not exist.").arg(folder);
    case ENOTDIR:
        return QStringLiteral("%1 is not a folder.").arg(folder);
    case EACCES:
    case EPERM:
        return QStringLiteral(
                   "The journal folder %1 cannot be read: you have no permission to read it.")
            .arg(folder);
    default:
        return QStringLiteral("The journal folder %1 cannot be read: %2.")
            .arg(folder, qt_error_string(error));
    }
}
} // namespace

JournalHandle::JournalHandle(const JournalLocation& location)
{
    int result = 0;
    if (location.isSystem()) {
        result = sd_journal_open(&m_journal, SD_JOURNAL_LOCAL_ONLY | SD_JOURNAL_SYSTEM);
    } else {
        const QByteArray path =
            QFile::encodeName(QFileInfo(location.directoryPath()).absoluteFilePath());
        result = sd_journal_open_directory(&m_journal, path.constData(), 0);
    }
    if (result < 0) {
        m_journal = nullptr;
        m_error = openError(location, -result);
    }
}

JournalHandle::~JournalHandle()
{
    sd_journal_close(m_journal);
}

bool JournalHandle::matchRecords()
{
    if (!m_journal)
        return false;
    sd_journal_flush_matches(m_journal);
    // Two values of one field: either matches.
    return sd_journal_add_match(m_journal, "SYSLOG_IDENTIFIER=pppd", 0) >= 0 &&
           sd_journal_add_match(m_journal, "SYSLOG_IDENTIFIER=ModemManager", 0) >= 0;
}

bool JournalHandle::matchNetworkManager()
{
    if (!m_journal)
        return false;
    sd_journal_flush_matches(m_journal);
    return sd_journal_add_match(m_journal, "SYSLOG_IDENTIFIER=NetworkManager", 0) >= 0;
}
