#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;
class QLockFile;

// One Dialtrak per profile (its settings and its data folder): a second start on the same
// profile brings the running window to the front and ends, as desktop programs do, so that two
// windows never write the same files from two copies of them.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Role {
        First,       // no other Dialtrak has the profile: this one runs
        Shown,       // the one running was asked to come to the front: this one ends
        Unreachable, // another has the profile but does not answer: this one ends
        Elsewhere,   // the one running reads other journal files than those asked for
    };

    // `profile` names the profile, such as the settings file's path; `folder` is where the lock
    // and the socket live (the user's runtime folder unless a test gives another).
    explicit SingleInstance(const QString& profile, const QString& folder = QString(),
                            QObject* parent = nullptr);
    ~SingleInstance() override;

    // `journalDirectory`: the folder of journal files this start reads instead of the stored
    // choice, if any. A running window shows itself only to a start that asks for what it reads.
    Role claim(const QString& journalDirectory = QString());

Q_SIGNALS:
    // Another start on this profile asked for the window.
    void showRequested();

private:
    Role askTheFirst() const;
    void listen();
    QByteArray request() const;

    QString m_lockPath;
    QString m_socketPath;
    QString m_journalDirectory;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
};
