#include "journalexport.h"
#include "sources/pppd/journal/journalaccess.h"
#include "sources/pppd/journal/journalreader.h"
#include "testregistry.h"
#include "unprivileged.h"
#include "unprivilegedtest.h"

#include <QFile>
#include <QTest>

// Who may read the system journal, and what a user who may not is told.
class TstJournalAccess : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void grants_data()
    {
        QTest::addColumn<uint>("uid");
        QTest::addColumn<QList<uint>>("groups");
        QTest::addColumn<bool>("granted");
        QTest::newRow("root") << 0u << QList<uint>{0} << true;
        QTest::newRow("member of systemd-journal") << 1000u << QList<uint>{1000, 24, 101} << true;
        QTest::newRow("member of adm") << 1000u << QList<uint>{4, 1000} << true;
        QTest::newRow("member of neither") << 1000u << QList<uint>{1000, 24, 27} << false;
    }
    void grants()
    {
        QFETCH(uint, uid);
        QFETCH(QList<uint>, groups);
        QFETCH(bool, granted);
        const QList<uint> readers{101, 4}; // systemd-journal, adm
        QCOMPARE(JournalAccess::grants(uid, groups, readers), granted);
    }

    // This machine's own journal, as this process sees it: read cleanly, whatever it holds.
    void systemJournal()
    {
        const JournalLocation system = JournalLocation::system();
        const JournalReadResult result = JournalReader(system).read({});
        QVERIFY2(result.ok(), qPrintable(result.error));
        const bool permitted = JournalAccess::canReadSystemJournal();
        if (Unprivileged::isRoot())
            QVERIFY(permitted);
        const QString message = JournalAccess::noRecordsMessage(system);
        QCOMPARE(message == JournalAccess::notPermittedMessage(), !permitted);
    }
};

// The same as a user in neither group, and folders and files that user may not read. Root is
// never refused, so as root the class runs again as the user nobody and stands on that run.
class TstJournalUnprivileged : public UnprivilegedTest
{
    Q_OBJECT

private Q_SLOTS:
    void toldToJoinTheGroup()
    {
        QVERIFY(!JournalAccess::canReadSystemJournal());
        const JournalReadResult result = JournalReader(JournalLocation::system()).read({});
        QVERIFY2(result.ok(), qPrintable(result.error));
        QVERIFY(result.records.isEmpty());
        const QString message = JournalAccess::noRecordsMessage(JournalLocation::system());
        QCOMPARE(message, JournalAccess::notPermittedMessage());
        QVERIFY(message.contains("\"systemd-journal\""));
        QVERIFY(message.contains("sudo adduser $USER systemd-journal"));
        QVERIFY(message.contains("log in again"));
    }

    void unreadable_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("error");
        QTest::newRow("folder") << ""
                                << "The journal folder";
        QTest::newRow("file") << "x.journal"
                              << "The journal file";
    }
    void unreadable()
    {
        QFETCH(QString, what);
        QFETCH(QString, error);
        JournalFixture journal;
        QVERIFY(journal.write(JournalFixture::first()));
        QVERIFY(QFile::setPermissions(journal.path(what), QFile::Permissions()));
        const JournalReadResult result =
            JournalReader(JournalLocation::directory(journal.dir())).read({});
        QFile::setPermissions(journal.path(what),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY2(result.error.contains(error + ' ') &&
                     result.error.contains("you have no permission to read it"),
                 qPrintable(result.error));
        QVERIFY(result.records.isEmpty());
    }
};

DIALTRAK_TEST(TstJournalAccess)
DIALTRAK_TEST(TstJournalUnprivileged)
#include "tst_journalaccess.moc"
