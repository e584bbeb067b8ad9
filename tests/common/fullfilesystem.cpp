#include "fullfilesystem.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtGlobal>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace
{
// DIALTRAK_TEST_NO_MOUNT=1 runs the fallback where mounting would work, to test it too.
bool mayMount()
{
    return ::geteuid() == 0 && qEnvironmentVariableIntValue("DIALTRAK_TEST_NO_MOUNT") == 0;
}

const QString FillerName = QStringLiteral(".filler");
rlim_t savedLimit = RLIM_INFINITY;
} // namespace

FullFileSystem::FullFileSystem()
{
    if (!m_dir.isValid() || !mayMount())
        return;
    m_mounted = QProcess::execute(QStringLiteral("mount"),
                                  {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                   QStringLiteral("-o"), QStringLiteral("size=512k"),
                                   QStringLiteral("tmpfs"), m_dir.path()}) == 0;
}

FullFileSystem::~FullFileSystem()
{
    release();
    if (m_mounted)
        QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), m_dir.path()});
}

QString FullFileSystem::way() const
{
    return m_mounted ? QStringLiteral("full tmpfs (no space left on device)")
                     : QStringLiteral("file size limit 0 (EFBIG), tmpfs could not be mounted");
}

void FullFileSystem::fill()
{
    if (m_full)
        return;
    m_full = true;
    if (m_mounted) {
        QFile filler(m_dir.filePath(FillerName));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            qFatal("cannot create the filler file");
        const QByteArray block(4096, '\0');
        while (filler.write(block) == block.size()) {
        }
        return;
    }
    // Over the limit a write fails with EFBIG and raises SIGXFSZ, which would end the process.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    savedLimit = limit.rlim_cur;
    limit.rlim_cur = 0;
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

void FullFileSystem::release()
{
    if (!m_full)
        return;
    m_full = false;
    if (m_mounted) {
        QFile::remove(m_dir.filePath(FillerName));
        return;
    }
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = savedLimit;
    ::setrlimit(RLIMIT_FSIZE, &limit);
}
