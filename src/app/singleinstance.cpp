#include "singleinstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>

namespace
{
// "show", then the folder of journal files asked for, percent-encoded: one line either way.
const QByteArray Show = "show";
const QByteArray Shown = "shown\n";
const QByteArray Elsewhere = "elsewhere\n";
// The first may hold the lock and not listen yet: it is starting.
constexpr int AnswerMs = 3000;

QString runtimeFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}
} // namespace

SingleInstance::SingleInstance(const QString& profile, const QString& folder, QObject* parent)
    : QObject(parent)
{
    // Socket names are short: the profile's path is folded into a hash.
    const QString key = QString::fromLatin1(
        QCryptographicHash::hash(QDir::cleanPath(profile).toUtf8(), QCryptographicHash::Sha256)
            .toHex()
            .left(16));
    const QString base =
        (folder.isEmpty() ? runtimeFolder() : folder) + QStringLiteral("/dialtrak-") + key;
    m_lockPath = base + QStringLiteral(".lock");
    m_socketPath = base + QStringLiteral(".socket");
}

SingleInstance::~SingleInstance() = default;

QByteArray SingleInstance::request() const
{
    return Show +
           (m_journalDirectory.isEmpty() ? QByteArray()
                                         : ' ' + QUrl::toPercentEncoding(m_journalDirectory)) +
           '\n';
}

SingleInstance::Role SingleInstance::claim(const QString& journalDirectory)
{
    m_journalDirectory = journalDirectory;
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    // A lock whose process has ended is taken over; a running one's never is, however old.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        listen();
        return Role::First;
    }
    return askTheFirst();
}

void SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left by a first that ended abruptly is in the way; the lock says it is ours now.
    QLocalServer::removeServer(m_socketPath);
    if (!m_server->listen(m_socketPath))
        return; // this one still runs alone; a second start then says it cannot reach it
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = m_server->nextPendingConnection()) {
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            const auto answer = [this, peer] {
                if (!peer->canReadLine())
                    return;
                const QByteArray asked = peer->readLine();
                if (!asked.startsWith(Show))
                    return;
                // A start that names another folder than this window reads would be ignored:
                // it is refused. One that names none just wants the window.
                if (asked != Show + '\n' && asked != request()) {
                    peer->write(Elsewhere);
                    peer->flush();
                    return;
                }
                Q_EMIT showRequested();
                peer->write(Shown);
                peer->flush();
            };
            connect(peer, &QLocalSocket::readyRead, this, answer);
            answer(); // what came with the connection
        }
    });
}

SingleInstance::Role SingleInstance::askTheFirst() const
{
    const QDeadlineTimer deadline(AnswerMs);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(m_socketPath);
        if (socket.waitForConnected(int(deadline.remainingTime()))) {
            socket.write(request());
            if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
                return Role::Unreachable;
            while (!socket.canReadLine() &&
                   socket.waitForReadyRead(int(deadline.remainingTime()))) {
            }
            const QByteArray answer = socket.canReadLine() ? socket.readLine() : QByteArray();
            return answer == Shown       ? Role::Shown
                   : answer == Elsewhere ? Role::Elsewhere
                                         : Role::Unreachable;
        }
        QThread::msleep(50);
    }
    return Role::Unreachable;
}
