#include "log/volumefile.h"
#include "logfixture.h"
#include "modemlogbuilder.h"
#include "platform/settingsstore.h"
#include "sources/sourcechoice.h"
#include "testregistry.h"

#include <QTest>

namespace
{
DatedConnection call(const QString& start, std::optional<quint64> sent = {},
                     std::optional<quint64> received = {}, std::optional<qint64> seconds = {})
{
    DatedConnection connection;
    connection.date = QDate(2026, 12, 8);
    connection.record.starttime = start;
    connection.record.endtime = "23:00:00";
    connection.record.sentBytes = sent;
    connection.record.receivedBytes = received;
    connection.record.measuredSeconds = seconds;
    return connection;
}

// "sent/received/seconds" of a connection, "-" where unknown.
QString figures(const ConnectionRecord& record)
{
    const auto text = [](const auto& figure) {
        return figure ? QString::number(*figure) : QStringLiteral("-");
    };
    return text(record.sentBytes) + '/' + text(record.receivedBytes) + '/' +
           text(record.measuredSeconds);
}
} // namespace

class TstSources : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theChoiceIsStoredApartFromTheModemLog()
    {
        LogFixture files;
        SettingsStore store(files.dir() + "/Modemtally.conf");
        const SourceChoice modemLog{SourceChoice::Kind::ModemLog, "/x/Standard Modem.log"};
        modemLog.save(store);
        // A modem log's settings are what every earlier version stored, and nothing more.
        QCOMPARE(store.read("Logfile", "Source", "<none>"), QString("<none>"));
        QCOMPARE(SourceChoice::load(store), modemLog);

        for (const SourceChoice& other :
             {SourceChoice{SourceChoice::Kind::SystemLog, "/var/log/syslog"},
              SourceChoice{SourceChoice::Kind::Journal, QString()}}) {
            other.save(store);
            QCOMPARE(SourceChoice::load(store), other);
            // An earlier version still finds its modem log, and never a system log to empty.
            QCOMPARE(store.read("Logfile", "Path", QString()), modemLog.path);
        }
        modemLog.save(store);
        QCOMPARE(SourceChoice::load(store), modemLog);
    }

    void aFileIsChosenByWhatItHolds_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("kind");
        QTest::newRow("modem log")
            << ModemLogBuilder().call("04-02-2000", "10:00:00", "10:10:00").bytes()
            << int(SourceChoice::Kind::ModemLog);
        QTest::newRow("system log") << QByteArray("2026-12-08T14:20:08.437916+00:00 box "
                                                  "pppd[15438]: Connect: ppp0 <--> /dev/ttyUSB0\n")
                                    << int(SourceChoice::Kind::SystemLog);
        // An emptied modem log looks like nothing at all: it stays a modem log.
        QTest::newRow("empty") << QByteArray() << int(SourceChoice::Kind::ModemLog);
    }
    void aFileIsChosenByWhatItHolds()
    {
        QFETCH(QByteArray, contents);
        QFETCH(int, kind);
        LogFixture files;
        files.writeModemLog(contents);
        QCOMPARE(int(SourceChoice::ofFile(files.logpath()).kind), kind);
    }

    void bytesOutliveTheRecords()
    {
        // Read now, stored; once the system log no longer holds them, given back from the store.
        LogFixture files;
        const VolumeFile volume(files.dir() + "/bytes.dtk");
        QList<DatedConnection> read{call("10:00:00", 100, 2000), call("11:00:00")};
        QVERIFY(volume.keep(read));
        QList<DatedConnection> later{call("10:00:00"), call("11:00:00"), call("12:00:00", 5)};
        QVERIFY(volume.keep(later));
        QCOMPARE(later.at(0).record.sentBytes, std::optional<quint64>(100));
        QCOMPARE(later.at(0).record.receivedBytes, std::optional<quint64>(2000));
        QCOMPARE(later.at(1).record.sentBytes, std::nullopt); // never known: not zero
        QCOMPARE(*TextFile::readLines(volume.path()),
                 (QStringList{"\"2026-12-08\",\"10:00:00\",\"23:00:00\",\"100\",\"2000\"",
                              "\"2026-12-08\",\"12:00:00\",\"23:00:00\",\"5\",\"\""}));
    }

    void aMeasuredLengthOutlivesTheRecords()
    {
        // The own log's texts cannot hold a call of 25 hours: the length comes back from here.
        LogFixture files;
        const VolumeFile volume(files.dir() + "/bytes.dtk");
        const QString older = "\"2026-12-08\",\"10:00:00\",\"23:00:00\",\"100\",\"2000\"";
        QVERIFY(TextFile::writeLines(volume.path(), {older}));
        QList<DatedConnection> read{call("10:00:00"), call("11:00:00", 5, 6, 90000)};
        QVERIFY(volume.keep(read));
        QCOMPARE(figures(read.at(0).record), "100/2000/-");
        QList<DatedConnection> later{call("10:00:00"), call("11:00:00")};
        QVERIFY(volume.keep(later));
        QCOMPARE(figures(later.at(1).record), "5/6/90000");
        QCOMPARE(*TextFile::readLines(volume.path()),
                 (QStringList{older, "\"2026-12-08\",\"11:00:00\",\"23:00:00\",\"5\",\"6\","
                                     "\"90000\""}));
    }

    void aNameOutlivesTheRecords()
    {
        // NetworkManager's name of a connection is read once, near its start.
        LogFixture files;
        const VolumeFile volume(files.dir() + "/bytes.dtk");
        QList<DatedConnection> read{call("10:00:00")};
        read[0].record.name = "Mobile \"Plan\", 5 GB";
        QVERIFY(volume.keep(read));
        QList<DatedConnection> later{call("10:00:00"), call("11:00:00", 5)};
        QVERIFY(volume.keep(later));
        QCOMPARE(later.at(0).record.name, "Mobile \"Plan\", 5 GB");
        QCOMPARE(later.at(1).record.name, QString());
        QCOMPARE(
            *TextFile::readLines(volume.path()),
            (QStringList{R"("2026-12-08","10:00:00","23:00:00","","","","Mobile ""Plan"", 5 GB")",
                         R"("2026-12-08","11:00:00","23:00:00","5","")"}));
    }

    void figuresThatCannotBeRealAreIgnoredAndTold_data()
    {
        QTest::addColumn<QString>("stored");     // the fields after date, start and end
        QTest::addColumn<qint64>("broughtSent"); // -1: none; -2: 2^64 - 1
        QTest::addColumn<QString>("expected");
        QTest::newRow("real figures") << "\"1\",\"7\",\"90000\"" << qint64(-1) << "1/7/90000";
        QTest::newRow("a count beyond any call, in the file")
            << "\"18446744073709551615\",\"7\"" << qint64(-1) << "-/7/- ignored";
        QTest::newRow("a length no call has")
            << "\"1\",\"7\",\"99999999999\"" << qint64(-1) << "1/7/- ignored";
        QTest::newRow("a count beyond any call, from the log")
            << "\"1\",\"7\"" << qint64(-2) << "1/7/- ignored";
    }
    void figuresThatCannotBeRealAreIgnoredAndTold()
    {
        QFETCH(QString, stored);
        QFETCH(qint64, broughtSent);
        QFETCH(QString, expected);
        LogFixture files;
        const VolumeFile volume(files.dir() + "/bytes.dtk");
        QVERIFY(TextFile::writeLines(volume.path(),
                                     {"\"2026-12-08\",\"10:00:00\",\"23:00:00\"," + stored}));
        std::optional<quint64> sent;
        if (broughtSent != -1)
            sent = broughtSent == -2 ? std::numeric_limits<quint64>::max() : quint64(broughtSent);
        QList<DatedConnection> read{call("10:00:00", sent)};
        QStringList ignored{"left from before"};
        QVERIFY(volume.keep(read, nullptr, true, &ignored));
        const QString told = ignored.isEmpty() ? QString() : " ignored";
        QCOMPARE(figures(read.at(0).record) + told, expected);
        if (!ignored.isEmpty())
            QCOMPARE(ignored, QStringList{"2026-12-08 10:00:00"});
    }
};

DIALTRAK_TEST(TstSources)
#include "tst_sources.moc"
