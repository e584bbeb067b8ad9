#include "journalfixture.h"
#include "log/journalreader.h"
#include "log/journalwatcher.h"
#include "testregistry.h"

#include <QEventLoop>
#include <QTest>
#include <QTimer>

// The watcher wakes the window when pppd logs, while an event loop runs, as the window's does.
class TstJournalWatcher : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void signalsNews_data()
    {
        QTest::addColumn<QString>("appendTo");
        QTest::addColumn<bool>("pppd");
        QTest::newRow("pppd's records appended to the file") << "x.journal" << true;
        QTest::newRow("pppd's records in a new file") << "y.journal" << true;
        QTest::newRow("other programs only") << "x.journal" << false;
    }
    void signalsNews()
    {
        QFETCH(QString, appendTo);
        QFETCH(bool, pppd);
        JournalFixture journal;
        QVERIFY(journal.write(JournalFixture::first()));
        const JournalLocation location = JournalLocation::directory(journal.dir());
        const JournalReadResult before = JournalReader(location).read({});
        JournalWatcher watcher(location);
        QVERIFY2(watcher.isWatching(), qPrintable(watcher.errorString()));

        const JournalExport news = pppd ? JournalFixture::entries(JournalFixture::second())
                                        : JournalFixture::entries({{"18:20:00", "CRON", 17002,
                                                                    17002, "(root) CMD (true)"}});
        // Written while the loop waits; an append that never signals fails after a few seconds.
        QEventLoop loop;
        bool signalled = false;
        connect(&watcher, &JournalWatcher::changed, &loop, [&] {
            signalled = true;
            loop.quit();
        });
        bool written = false;
        QTimer::singleShot(0, &loop, [&] { written = journal.write(news, appendTo); });
        QTimer::singleShot(pppd ? 5000 : 1500, &loop, &QEventLoop::quit);
        loop.exec();
        QVERIFY(written);
        QCOMPARE(signalled, pppd);
        if (!pppd)
            return;

        const JournalReadResult after =
            JournalReader(location).read(JournalStart::after(before.lastCursor));
        QCOMPARE(JournalFixture::recordLines(after.records),
                 JournalFixture::pppdLines(JournalFixture::second()));
    }

    void missingFolderIsNotWatched()
    {
        JournalFixture journal;
        JournalWatcher watcher(JournalLocation::directory(journal.path("none")));
        QVERIFY(!watcher.isWatching());
        QVERIFY(watcher.errorString().contains("does not exist"));
    }
};

DIALTRAK_TEST(TstJournalWatcher)
#include "tst_journalwatcher.moc"
