#include "unprivileged.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

namespace
{
constexpr auto Nobody = "65534";
constexpr QFile::Permissions Everyone = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                        QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                        QFile::ExeOther;
} // namespace

bool Unprivileged::isRoot()
{
    return ::geteuid() == 0;
}

int Unprivileged::rerun(const char* testClass, QString* output)
{
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (setpriv.isEmpty()) {
        *output = QStringLiteral("setpriv is not installed");
        return -1;
    }
    // The build tree may lie in a folder nobody cannot enter: run a copy from a folder it can,
    // with a temporary folder of its own.
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("tests"));
    const QString temp = dir.filePath(QStringLiteral("tmp"));
    if (!dir.isValid() || !QFile::copy(QCoreApplication::applicationFilePath(), copy) ||
        !QFile::setPermissions(dir.path(), Everyone) || !QFile::setPermissions(copy, Everyone) ||
        !QDir().mkdir(temp) || ::chmod(QFile::encodeName(temp).constData(), 01777) != 0) {
        *output = QStringLiteral("could not prepare a copy of the test for nobody");
        return -1;
    }
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), temp);
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(setpriv, {QStringLiteral("--reuid=%1").arg(QLatin1String(Nobody)),
                          QStringLiteral("--regid=%1").arg(QLatin1String(Nobody)),
                          QStringLiteral("--clear-groups"), QStringLiteral("--"), copy,
                          QString::fromLatin1(testClass)});
    if (!child.waitForStarted() || !child.waitForFinished(240000)) {
        *output = QStringLiteral("the unprivileged run did not finish: ") + child.errorString();
        return -1;
    }
    *output = QString::fromLocal8Bit(child.readAll());
    return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
}
