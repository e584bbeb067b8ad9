#include "journalfilecheck.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <sys/stat.h>
#include <systemd/sd-id128.h>
#include <systemd/sd-journal.h>

namespace
{
bool isJournalFile(const QString& name)
{
    return name.endsWith(QLatin1String(".journal")) || name.endsWith(QLatin1String(".journal~"));
}

// The system journal holds system.journal and its archives system@....journal(~); user
// journals beside them are not part of it.
bool isSystemFile(const QString& name)
{
    return name == QLatin1String("system.journal") || name == QLatin1String("system.journal~") ||
           name.startsWith(QLatin1String("system@"));
}

bool isMachineFolder(const QString& name)
{
    sd_id128_t id;
    return sd_id128_from_string(name.toLatin1().constData(), &id) >= 0;
}

QString thisMachine()
{
    sd_id128_t id;
    char text[SD_ID128_STRING_MAX];
    return sd_id128_get_machine(&id) >= 0 ? QString::fromLatin1(sd_id128_to_string(id, text))
                                          : QString();
}

void addFiles(const QString& folder, bool systemOnly, QStringList& into)
{
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::System, QDir::Name);
    for (const QString& name : names)
        if (isJournalFile(name) && (!systemOnly || isSystemFile(name)))
            into << folder + QLatin1Char('/') + name;
}

qint64 diskBytes(const QString& path)
{
    struct stat status;
    return ::stat(QFile::encodeName(path).constData(), &status) == 0
               ? qint64(status.st_blocks) * 512
               : 0;
}

QString problem(const QString& path, int error)
{
    const QString file = QDir::toNativeSeparators(path);
    switch (error) {
    case EACCES:
    case EPERM:
        return QStringLiteral("The journal file %1 cannot be read: you have no permission to read "
                              "it.")
            .arg(file);
    case EPROTONOSUPPORT:
    case EOPNOTSUPP:
        return QStringLiteral("The journal file %1 was written by a newer system and cannot be "
                              "read.")
            .arg(file);
    default:
        return QStringLiteral("The journal file %1 is damaged and was not read.").arg(file);
    }
}
} // namespace

QStringList JournalFileCheck::candidates(const JournalLocation& location)
{
    QStringList files;
    if (location.isSystem()) {
        const QString machine = thisMachine();
        for (const QString& root :
             {QStringLiteral("/run/log/journal"), QStringLiteral("/var/log/journal")}) {
            addFiles(root, true, files);
            if (!machine.isEmpty())
                addFiles(root + QLatin1Char('/') + machine, true, files);
        }
        return files;
    }
    const QString root = QDir(location.directoryPath()).absolutePath();
    addFiles(root, false, files);
    const QStringList folders = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& folder : folders)
        if (isMachineFolder(folder))
            addFiles(root + QLatin1Char('/') + folder, false, files);
    return files;
}

QStringList JournalFileCheck::skippedFiles(sd_journal* journal, const JournalLocation& location)
{
    uint64_t opened = 0;
    if (!journal || sd_journal_get_usage(journal, &opened) < 0)
        return {};
    const QStringList files = candidates(location);
    qint64 onDisk = 0;
    for (const QString& path : files)
        onDisk += diskBytes(path);
    if (uint64_t(onDisk) <= opened)
        return {};

    // Some file was left out: open each on its own to learn which, and why.
    QStringList problems;
    for (const QString& path : files) {
        if (diskBytes(path) == 0)
            continue; // being created, or empty: nothing to miss
        const QByteArray name = QFile::encodeName(path);
        const char* paths[] = {name.constData(), nullptr};
        sd_journal* single = nullptr;
        const int result = sd_journal_open_files(&single, paths, 0);
        if (result >= 0) {
            sd_journal_close(single);
            continue;
        }
        if (location.isSystem() && (-result == EACCES || -result == EPERM))
            continue;
        problems << problem(path, -result);
    }
    return problems;
}
