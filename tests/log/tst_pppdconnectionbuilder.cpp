#include "localzone.h"
#include "log/pppdconnectionbuilder.h"
#include "log/pppdmessage.h"
#include "testregistry.h"

#include <QTest>
#include <memory>

Q_DECLARE_METATYPE(PppdMessage::Kind)

namespace
{
const QDate Day(2024, 1, 15);

// "hh:mm:ss pid message", all on one winter day.
QList<PppdRecord> records(const QStringList& lines)
{
    QList<PppdRecord> out;
    for (const QString& line : lines) {
        PppdRecord record;
        record.when = QDateTime(Day, QTime::fromString(line.first(8), QStringLiteral("hh:mm:ss")));
        const qsizetype space = line.indexOf(QLatin1Char(' '), 9);
        record.pid = line.sliced(9, space - 9).toLongLong();
        record.message = line.sliced(space + 1);
        out << record;
    }
    return out;
}

QString bytes(const std::optional<quint64>& count)
{
    return count ? QString::number(*count) : QStringLiteral("?");
}

// "start-end sent/received"; the end is "..." in progress and "lost" when the process vanished.
QStringList rows(const QList<PppdConnection>& connections)
{
    QStringList out;
    for (const PppdConnection& c : connections) {
        const QString end = c.end            ? c.end->time().toString(QStringLiteral("hh:mm:ss"))
                            : c.inProgress() ? QStringLiteral("...")
                                             : QStringLiteral("lost");
        out << c.start.time().toString(QStringLiteral("hh:mm:ss")) + QLatin1Char('-') + end +
                   QLatin1Char(' ') + bytes(c.sentBytes) + QLatin1Char('/') +
                   bytes(c.receivedBytes);
    }
    return out;
}

// The lines of one call of process 100 that went well, IP up at 10:00:03.
QStringList call(const QString& connect, const QString& end)
{
    return {connect + QStringLiteral(" 100 Connect: ppp0 <--> /dev/ttyS0"),
            connect + QStringLiteral(" 100 local  IP address 10.0.0.2"),
            end + QStringLiteral(" 100 Modem hangup"),
            end + QStringLiteral(" 100 Sent 10 bytes, received 20 bytes."),
            end + QStringLiteral(" 100 Connection terminated.")};
}
} // namespace

class TstPppdConnectionBuilder : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<LocalZone> m_zone;

private Q_SLOTS:
    void initTestCase() { m_zone = std::make_unique<LocalZone>(); }
    void cleanupTestCase() { m_zone.reset(); }

    void build_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("resumeAt");

        QTest::newRow("a call, its stats after the end line")
            << call("10:00:00", "10:30:00") << QStringList{"10:00:00-10:30:00 10/20"} << 5;
        QTest::newRow("the first end line ends it; stats before it count")
            << QStringList{"10:00:00 100 Connect: ppp0 <--> /dev/ttyS0",
                           "10:00:03 100 local  IP address 10.0.0.2",
                           "10:30:00 100 LCP terminated by peer",
                           "10:30:00 100 Sent 7 bytes, received 8 bytes.",
                           "10:30:03 100 Connection terminated.",
                           "10:30:04 100 Modem hangup",
                           "10:30:04 100 Exit."}
            << QStringList{"10:00:00-10:30:03 7/8"} << 7;
        QTest::newRow("each end line")
            << QStringList{"10:00:00 1 Connect: a",
                           "10:00:01 1 local  IP address 10.0.0.1",
                           "10:01:00 1 Hangup (SIGHUP)",
                           "10:00:00 2 Connect: b",
                           "10:00:01 2 local  IP address 10.0.0.1",
                           "10:02:00 2 Terminating on signal 15.",
                           "10:00:00 3 Connect: c",
                           "10:00:01 3 local  IP address 10.0.0.1",
                           "10:03:00 3 Exit.",
                           "10:00:00 4 Connect: d",
                           "10:00:01 4 local  IP address 10.0.0.1",
                           "10:04:00 4 Connection terminated"}
            << QStringList{"10:00:00-10:01:00 ?/?", "10:00:00-10:02:00 ?/?",
                           "10:00:00-10:03:00 ?/?", "10:00:00-10:04:00 ?/?"}
            // Ended, but the stats of a link that carried IP may follow until the process exits.
            << 0;
        QTest::newRow("no IP: a failed negotiation, not a connection")
            << QStringList{"10:00:00 100 Connect: ppp0 <--> /dev/ttyS0",
                           "10:00:30 100 LCP: timeout sending Config-Requests",
                           "10:00:30 100 Connection terminated."}
            << QStringList{} << 3;
        QTest::newRow("no Connect: a failed dial")
            << QStringList{"10:00:00 100 pppd 2.4.9 started by root, uid 0",
                           "10:00:12 100 Connect script failed", "10:00:13 100 Exit."}
            << QStringList{} << 3;
        QTest::newRow("two IP sessions in one link are one connection")
            << QStringList{"10:00:00 100 Connect: ppp0 <--> /dev/ttyS0",
                           "10:00:03 100 local  IP address 10.0.0.2",
                           "10:20:00 100 IPCP terminated by peer",
                           "10:20:00 100 Sent 1 bytes, received 2 bytes.",
                           "10:20:03 100 local  IP address 10.0.0.3",
                           "10:30:00 100 Modem hangup",
                           "10:30:00 100 Sent 10 bytes, received 20 bytes.",
                           "10:30:01 100 Connection terminated."}
            << QStringList{"10:00:00-10:30:00 11/22"} << 8;
        QTest::newRow("one process, two links")
            << call("10:00:00", "10:30:00") + call("10:31:00", "11:00:00")
            << QStringList{"10:00:00-10:30:00 10/20", "10:31:00-11:00:00 10/20"} << 10;
        QTest::newRow("the next Connect: ends a link without an end line")
            << QStringList{"10:00:00 100 Connect: ppp0 <--> /dev/ttyS0",
                           "10:00:03 100 local  IP address 10.0.0.2",
                           "10:40:00 100 Connect: ppp0 <--> /dev/ttyS0",
                           "10:40:03 100 local  IP address 10.0.0.3"}
            << QStringList{"10:00:00-10:40:00 ?/?", "10:40:00-... ?/?"} << 2;
        QTest::newRow("interleaved processes, one still in progress")
            << QStringList{"10:00:00 1 Connect: ppp0 <--> /dev/ttyUSB0",
                           "10:00:02 1 local  IP address 10.0.0.2",
                           "10:05:00 2 Connect: ppp1 <--> /dev/ttyACM0",
                           "10:05:02 2 local  IP address 10.0.0.9",
                           "10:30:00 1 Terminating on signal 15",
                           "10:30:00 1 Sent 5 bytes, received 6 bytes.",
                           "10:30:01 1 Exit."}
            << QStringList{"10:00:00-10:30:00 5/6", "10:05:00-... ?/?"} << 2;
        QTest::newRow("a link still negotiating holds the place to read on from")
            << QStringList{"10:00:00 100 Connect: ppp0 <--> /dev/ttyS0"} << QStringList{} << 0;
        QTest::newRow("stats due: read on from the Connect:")
            << QStringList{"10:00:00 100 Connect: ppp0 <--> /dev/ttyS0",
                           "10:00:03 100 local  IP address 10.0.0.2", "10:30:00 100 Modem hangup"}
            << QStringList{"10:00:00-10:30:00 ?/?"} << 0;
        QTest::newRow("pppd 2.5.0 without stats: unknown bytes, settled at Exit.")
            << QStringList{"10:00:00 100 Connect: ppp0 <--> /dev/ttyS0",
                           "10:00:03 100 local  IP address 10.0.0.2", "10:30:00 100 Modem hangup",
                           "10:30:00 100 Connection terminated.", "10:30:01 100 Exit."}
            << QStringList{"10:00:00-10:30:00 ?/?"} << 5;
        QTest::newRow("zero bytes are known")
            << QStringList{"10:00:00 100 Connect: ppp0 <--> /dev/ttyS0",
                           "10:00:03 100 local  IP address 10.0.0.2", "10:00:09 100 Modem hangup",
                           "10:00:09 100 Sent 0 bytes, received 0 bytes."}
            << QStringList{"10:00:00-10:00:09 0/0"} << 4;
        QTest::newRow("a pid used again after Exit. is a new process")
            << call("10:00:00", "10:30:00") +
                   QStringList{"10:30:01 100 Exit.", "11:00:00 100 Sent 3 bytes, received 4 bytes.",
                               "11:00:01 100 Exit."}
            << QStringList{"10:00:00-10:30:00 10/20"} << 8;
        QTest::newRow("a process started again under the pid: the old call was lost")
            << QStringList{"10:00:00 100 Connect: ppp0 <--> /dev/ttyS0",
                           "10:00:03 100 local  IP address 10.0.0.2",
                           "11:00:00 100 pppd 2.4.9 started by root, uid 0",
                           "11:00:30 100 Connect: ppp0 <--> /dev/ttyS0",
                           "11:00:33 100 local  IP address 10.0.0.3",
                           "11:10:00 100 Modem hangup"}
            << QStringList{"10:00:00-lost ?/?", "11:00:30-11:10:00 ?/?"} << 3;
        QTest::newRow("stats of a pid that never connected are nobody's")
            << QStringList{"10:00:00 100 Sent 3 bytes, received 4 bytes."} << QStringList{} << 1;
    }

    void build()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, expected);
        QFETCH(int, resumeAt);
        const PppdConnectionBuilder::Result result = PppdConnectionBuilder::build(records(lines));
        QCOMPARE(rows(result.connections), expected);
        QCOMPARE(result.resumeAt, qsizetype(resumeAt));
    }

    void connectRecordIsTheIndexOfConnect()
    {
        const QStringList lines = QStringList{"09:00:00 7 pppd 2.4.9 started by root, uid 0"} +
                                  call("10:00:00", "10:30:00");
        const QList<PppdConnection> found =
            PppdConnectionBuilder::build(records(lines)).connections;
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.first().connectRecord, qsizetype(1));
        QCOMPARE(found.first().pid, qint64(100));
    }

    void kind_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<PppdMessage::Kind>("kind");
        using Kind = PppdMessage::Kind;
        QTest::newRow("connect") << "Connect: ppp0 <--> /dev/ttyUSB0" << Kind::Connect;
        QTest::newRow("connect time is no connect") << "Connect time 28.7 minutes." << Kind::Other;
        QTest::newRow("ip") << "local  IP address 10.0.0.2" << Kind::IpUp;
        QTest::newRow("one blank is not pppd's") << "local IP address 10.0.0.2" << Kind::Other;
        QTest::newRow("IPv6CP is no IP link") << "local  LL address fe80::1" << Kind::Other;
        QTest::newRow("remote ip") << "remote IP address 10.0.0.1" << Kind::Other;
        QTest::newRow("terminated") << "Connection terminated." << Kind::End;
        QTest::newRow("modem hangup") << "Modem hangup" << Kind::End;
        QTest::newRow("sighup") << "Hangup (SIGHUP)" << Kind::End;
        QTest::newRow("signal") << "Terminating on signal 15" << Kind::End;
        QTest::newRow("idle") << "Terminating connection due to lack of activity." << Kind::Other;
        QTest::newRow("exit") << "Exit." << Kind::Exit;
        QTest::newRow("started") << "pppd 2.5.2 started by root, uid 0" << Kind::Started;
        QTest::newRow("plugin") << "pppd plugin loaded." << Kind::Other;
        QTest::newRow("stats") << "Sent 412876 bytes, received 5123908 bytes." << Kind::Stats;
        QTest::newRow("stats cut short") << "Sent 412876 bytes, received 51" << Kind::Other;
        QTest::newRow("stats above 64 bits")
            << "Sent 18446744073709551616 bytes, received 1 bytes." << Kind::Other;
        QTest::newRow("empty") << "" << Kind::Other;
    }

    void kind()
    {
        QFETCH(QString, message);
        QFETCH(PppdMessage::Kind, kind);
        QCOMPARE(PppdMessage::kind(message), kind);
    }

    void countersUpTo64Bits()
    {
        const auto counters =
            PppdMessage::counters(u"Sent 18446744073709551615 bytes, received 4294967296 bytes.");
        QVERIFY(counters);
        QCOMPARE(counters->sent, Q_UINT64_C(18446744073709551615));
        QCOMPARE(counters->received, Q_UINT64_C(4294967296));
    }

    void toDated_data()
    {
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<QDateTime>("end");
        QTest::addColumn<QStringList>("expected");

        const QDateTime summer(QDate(2024, 6, 30), QTime(23, 58, 59, 900), Qt::UTC);
        QTest::newRow("local time, over midnight")
            << summer << summer.addSecs(125)
            << QStringList{"2024-07-01", "01 Jul 24", "00:58:59", "01:01:04"};
        QTest::newRow("end unknown: the start")
            << summer << QDateTime()
            << QStringList{"2024-07-01", "01 Jul 24", "00:58:59", "00:58:59"};
    }

    void toDated()
    {
        QFETCH(QDateTime, start);
        QFETCH(QDateTime, end);
        QFETCH(QStringList, expected);
        PppdConnection connection;
        connection.start = start;
        if (end.isValid())
            connection.end = end;
        connection.sentBytes = 5;
        const DatedConnection dated = connection.toDated();
        QCOMPARE((QStringList{dated.date.toString(Qt::ISODate), dated.record.conndate,
                              dated.record.starttime, dated.record.endtime}),
                 expected);
        QCOMPARE(dated.record.sentBytes, std::optional<quint64>(5));
        QCOMPARE(dated.record.receivedBytes, std::nullopt);
        QVERIFY(!dated.fromOwnLog);
    }
};

DIALTRAK_TEST(TstPppdConnectionBuilder)
#include "tst_pppdconnectionbuilder.moc"
