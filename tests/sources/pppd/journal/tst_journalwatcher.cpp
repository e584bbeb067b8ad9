#include "journalexport.h"
#include "sources/pppd/journal/journalwatcher.h"
#include "testregistry.h"

#include <QSignalSpy>
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
        JournalWatcher watcher(JournalLocation::directory(journal.dir()));
        QVERIFY2(watcher.isWatching(), qPrintable(watcher.errorString()));
        const JournalExport news =
            pppd ? JournalFixture::second()
                 : JournalExport().entry(JournalFixture::at("18:20:00"), "CRON", 17002, 17002,
                                         "(root) CMD (true)");
        // Written while the loop waits; an append that never signals fails after a few seconds.
        // What the news holds is the reader's to find (TstJournalReader::resumes).
        QSignalSpy changed(&watcher, &JournalWatcher::changed);
        bool written = false;
        QTimer::singleShot(0, &watcher, [&] { written = journal.write(news, appendTo); });
        const bool signalled = changed.wait(pppd ? 5000 : 1500);
        QVERIFY(written);
        QCOMPARE(signalled, pppd);
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
