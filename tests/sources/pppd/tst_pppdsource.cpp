#include "journalexport.h"
#include "localzone.h"
#include "log/connectiontable.h"
#include "log/logloader.h"
#include "platform/progresssink.h"
#include "platform/textfile.h"
#include "sources/pppd/journal/journalsource.h"
#include "testregistry.h"

#include <QTest>
#include <memory>

namespace
{
// "hh:mm:ss-hh:mm:ss sent/received" of each connection read.
QStringList rows(const ConnectionSource::Read& read)
{
    const auto count = [](std::optional<quint64> n) { return n ? QString::number(*n) : "?"; };
    QStringList out;
    for (const DatedConnection& c : read.connections)
        out << c.record.starttime + QLatin1Char('-') + c.record.endtime + QLatin1Char(' ') +
                   count(c.record.sentBytes) + QLatin1Char('/') + count(c.record.receivedBytes);
    return out;
}

std::unique_ptr<JournalSource> sourceOf(const JournalFixture& journal, const QString& data)
{
    return std::make_unique<JournalSource>(JournalLocation::directory(journal.dir()), data);
}

const QStringList FirstRead{"14:20:03-14:45:10 123456/7654321", "18:02:40-18:02:40 ?/?"};
} // namespace

class TstPppdSource : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<LocalZone> m_zone;

private Q_SLOTS:
    void initTestCase() { m_zone = std::make_unique<LocalZone>("UTC"); }
    void cleanupTestCase() { m_zone.reset(); }

    void aCallKeepsItsStartOnceTheJournalLostIt_data()
    {
        QTest::addColumn<bool>("restart");
        QTest::newRow("read on") << false;
        QTest::newRow("the program started again") << true;
    }
    void aCallKeepsItsStartOnceTheJournalLostIt()
    {
        QFETCH(bool, restart);
        JournalFixture journal;
        QVERIFY(journal.write(JournalFixture::first()));
        QTemporaryDir data;
        std::unique_ptr<JournalSource> source = sourceOf(journal, data.path());
        SilentProgress progress;
        QCOMPARE(rows(source->read(progress)), FirstRead);
        QVERIFY(source->settle(true).isEmpty());
        // The file that holds the call's "Connect:" is vacuumed before its end is logged.
        QVERIFY(QFile::remove(journal.path(QStringLiteral("x.journal"))));
        QVERIFY(journal.write(JournalFixture::second(), QStringLiteral("y.journal")));
        if (restart)
            source = sourceOf(journal, data.path());
        QCOMPARE(rows(source->read(progress)), QStringList{"18:02:40-18:40:12 2000000/50000000"});
        QVERIFY(source->settle(true).isEmpty());
        QCOMPARE(TextFile::readLines(source->openLinksPath()), QStringList());
    }

    void onlyWhatTheOwnLogKeptIsCarriedOn()
    {
        JournalFixture journal;
        QVERIFY(journal.write(JournalFixture::first()));
        QTemporaryDir data;
        const std::unique_ptr<JournalSource> source = sourceOf(journal, data.path());
        SilentProgress progress;
        source->read(progress);
        // Not kept (the own log could not be written): nothing is written, and the next read
        // reads it all again.
        QVERIFY(source->settle(false).isEmpty());
        QVERIFY(!QFile::exists(source->openLinksPath()));
        QCOMPARE(rows(source->read(progress)), FirstRead);
        QVERIFY(source->settle(true).isEmpty());
        QCOMPARE(TextFile::readLines(source->openLinksPath())->size(), 1);
    }
};

DIALTRAK_TEST(TstPppdSource)
#include "tst_pppdsource.moc"
