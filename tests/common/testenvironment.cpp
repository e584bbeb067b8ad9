#include "testenvironment.h"

#include <QDir>
#include <QTemporaryDir>

namespace
{
QTemporaryDir& homeDir()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/dialtrak-test-XXXXXX"));
    return dir;
}
} // namespace

void TestEnvironment::isolateHome()
{
    const QString root = homeDir().path();
    const QByteArray home = QFile::encodeName(root);
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", home + "/.config");
    qputenv("XDG_DATA_HOME", home + "/.local/share");
    qputenv("XDG_CACHE_HOME", home + "/.cache");
    qputenv("XDG_RUNTIME_DIR", home + "/.runtime");
    QDir().mkpath(root + QStringLiteral("/.runtime"));
    QFile::setPermissions(root + QStringLiteral("/.runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString TestEnvironment::home()
{
    return homeDir().path();
}
