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

    // ModemManager's calls beside pppd's, named by NetworkManager; a modem it dials with pppd is
    // one call. A call in progress is read again until its end comes, and keeps its start.
    void readsModemManagersCalls()
    {
        const auto at = [](const char* time) { return JournalFixture::at(time); };
        const auto mm = [](const char* text) -> QString {
            return QStringLiteral("<info>  ") + text;
        };
        JournalExport first;
        first
            .entry(at("09:59:50"), "NetworkManager", 612, 612,
                   "<info>  [1733651990.1] device (cdc-wdm0): Activation: starting connection "
                   "'Vodafone DE' (8f3a)")
            .entry(at("09:59:55"), "NetworkManager", 612, 612, "<info>  [1733651995.1] wifi scan")
            .entry(at("10:00:00"), "ModemManager", 800, 800,
                   mm("[modem0] state changed (connecting -> connected)"))
            .entry(at("10:45:00"), "ModemManager", 800, 800,
                   mm("[modem0/bearer1] connection #1 finished: duration 2700s, tx: 1234 bytes, "
                      "rx: 5678 bytes"))
            .pppd(at("12:00:00"), 300, "Connect: ppp0 <--> /dev/ttyUSB2")
            .pppd(at("12:00:01"), 300, "local  IP address 10.64.64.64")
            .entry(at("12:00:01"), "ModemManager", 800, 800,
                   mm("[modem1] state changed (connecting -> connected)"))
            .pppd(at("12:30:00"), 300, "Sent 100 bytes, received 200 bytes.")
            .pppd(at("12:30:00"), 300, "Connection terminated.")
            .entry(at("12:30:00"), "ModemManager", 800, 800,
                   mm("[modem1/bearer2] connection #1 finished: duration 1799s"))
            .entry(at("14:00:00"), "ModemManager", 800, 800,
                   mm("[modem0] state changed (connecting -> connected)"))
            .entry(at("14:10:00"), "CRON", 9, 9, "(root) CMD (run-parts)");
        JournalFixture journal;
        QVERIFY(journal.write(first));
        QTemporaryDir data;
        std::unique_ptr<JournalSource> source = sourceOf(journal, data.path());
        SilentProgress progress;
        const ConnectionSource::Read read = source->read(progress);
        QCOMPARE(rows(read), QStringList({"10:00:00-10:45:00 1234/5678",
                                          "12:00:00-12:30:00 100/200", "14:00:00-14:00:00 ?/?"}));
        QCOMPARE(read.connections.first().record.name, QStringLiteral("Vodafone DE"));
        QVERIFY(read.connections.last().inProgress);
        source->settle(true);

        JournalExport second;
        second.entry(at("15:00:00"), "ModemManager", 800, 800,
                     mm("[modem0/bearer1] connection #2 finished: duration 3599s, tx: 1 bytes, "
                        "rx: 2 bytes"));
        QVERIFY(journal.write(second));
        QCOMPARE(rows(source->read(progress)), QStringList{"14:00:00-15:00:00 1/2"});
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
