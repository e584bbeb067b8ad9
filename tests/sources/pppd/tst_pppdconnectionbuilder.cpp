#include "sources/pppd/pppdconnectionbuilder.h"
#include "sources/pppd/pppdmessage.h"
#include "sources/pppd/pppdopenlinkfile.h"
#include "testregistry.h"

#include <QTest>
#include <cmath>

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

// "D hh:mm:ss[.zzz] [@boot:seconds] message" of process 100, D days after Day; the boot and the
// seconds on its monotonic clock where the journal gave them.
QList<PppdRecord> clocked(const QStringList& lines)
{
    QList<PppdRecord> out;
    for (const QString& line : lines) {
        QStringList words = line.split(u' ');
        PppdRecord record;
        const QTime time = QTime::fromString(words.at(1), QStringLiteral("hh:mm:ss.zzz"));
        record.when = QDateTime(Day.addDays(words.at(0).toInt()),
                                time.isValid() ? time : QTime::fromString(words.at(1)));
        record.pid = 100;
        words = words.mid(2);
        if (words.first().startsWith(u'@')) {
            const QStringList clock = words.takeFirst().mid(1).split(u':');
            record.monotonic = BootClock{clock.at(0).toLatin1(),
                                         quint64(std::llround(clock.at(1).toDouble() * 1e6))};
        }
        record.message = words.join(u' ');
        out << record;
    }
    return out;
}

// "start-end sent/received"; the end is "..." in progress and "lost" when the process vanished.
QStringList rows(const QList<PppdConnection>& connections)
{
    const auto count = [](std::optional<quint64> n) { return n ? QString::number(*n) : "?"; };
    QStringList out;
    for (const PppdConnection& c : connections) {
        const QString end = c.end            ? c.end->time().toString(QStringLiteral("hh:mm:ss"))
                            : c.inProgress() ? QStringLiteral("...")
                                             : QStringLiteral("lost");
        out << c.start.time().toString(QStringLiteral("hh:mm:ss")) + QLatin1Char('-') + end +
                   QLatin1Char(' ') + count(c.sentBytes) + QLatin1Char('/') +
                   count(c.receivedBytes);
    }
    return out;
}

// A link of a process coming up: its Connect: and its IP address.
QStringList up(const QString& at, const QString& pid = QStringLiteral("100"))
{
    return {at + u' ' + pid + QStringLiteral(" Connect: ppp") + pid +
                QStringLiteral(" <--> /dev/ttyS0"),
            at + u' ' + pid + QStringLiteral(" local  IP address 10.0.0.2")};
}

// The end of a link of process 100 that went well.
QStringList down(const QString& at)
{
    return {at + QStringLiteral(" 100 Modem hangup"),
            at + QStringLiteral(" 100 Sent 10 bytes, received 20 bytes."),
            at + QStringLiteral(" 100 Connection terminated.")};
}
} // namespace

class TstPppdConnectionBuilder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void build_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("resumeAt");

        QTest::newRow("a call, its stats after the end line")
            << up("10:00:00") + down("10:30:00") << QStringList{"10:00:00-10:30:00 10/20"} << 5;
        QTest::newRow("the first end line ends it; stats before it count")
            << up("10:00:00") + QStringList{"10:30:00 100 LCP terminated by peer",
                                            "10:30:00 100 Sent 7 bytes, received 8 bytes.",
                                            "10:30:03 100 Connection terminated.",
                                            "10:30:04 100 Modem hangup", "10:30:04 100 Exit."}
            << QStringList{"10:00:00-10:30:03 7/8"} << 7;
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
            << up("10:00:00") +
                   QStringList{"10:20:00 100 IPCP terminated by peer",
                               "10:20:00 100 Sent 1 bytes, received 2 bytes.",
                               "10:20:03 100 local  IP address 10.0.0.3"} +
                   down("10:30:00")
            << QStringList{"10:00:00-10:30:00 11/22"} << 8;
        QTest::newRow("stats add up without wrapping")
            << up("10:00:00") +
                   QStringList{"10:20:00 100 IPCP terminated by peer",
                               "10:20:00 100 Sent 18446744073709551615 bytes, received 1 bytes.",
                               "10:20:03 100 local  IP address 10.0.0.3"} +
                   down("10:30:00")
            << QStringList{"10:00:00-10:30:00 18446744073709551615/21"} << 8;
        QTest::newRow("one process, two links")
            << up("10:00:00") + down("10:30:00") + up("10:31:00") + down("11:00:00")
            << QStringList{"10:00:00-10:30:00 10/20", "10:31:00-11:00:00 10/20"} << 10;
        QTest::newRow("the next Connect: ends a link without an end line")
            << up("10:00:00") + up("10:40:00")
            << QStringList{"10:00:00-10:40:00 ?/?", "10:40:00-... ?/?"} << 2;
        QTest::newRow("interleaved processes, one still in progress")
            << up("10:00:00", "1") + up("10:05:00", "2") +
                   QStringList{"10:30:00 1 Terminating on signal 15",
                               "10:30:00 1 Sent 5 bytes, received 6 bytes.", "10:30:01 1 Exit."}
            << QStringList{"10:00:00-10:30:00 5/6", "10:05:00-... ?/?"} << 2;
        QTest::newRow("a link still negotiating holds the place to read on from")
            << QStringList{"10:00:00 100 Connect: ppp0 <--> /dev/ttyS0"} << QStringList{} << 0;
        QTest::newRow("stats due: read on from the Connect:")
            << up("10:00:00") + QStringList{"10:30:00 100 Modem hangup"}
            << QStringList{"10:00:00-10:30:00 ?/?"} << 0;
        QTest::newRow("pppd 2.5.0 without stats: unknown bytes, settled at Exit.")
            << up("10:00:00") + QStringList{"10:30:00 100 Modem hangup",
                                            "10:30:00 100 Connection terminated.",
                                            "10:30:01 100 Exit."}
            << QStringList{"10:00:00-10:30:00 ?/?"} << 5;
        QTest::newRow("zero bytes are known")
            << up("10:00:00") + QStringList{"10:00:09 100 Modem hangup",
                                            "10:00:09 100 Sent 0 bytes, received 0 bytes."}
            << QStringList{"10:00:00-10:00:09 0/0"} << 4;
        QTest::newRow("a pid used again after Exit. is a new process")
            << up("10:00:00") + down("10:30:00") +
                   QStringList{"10:30:01 100 Exit.", "11:00:00 100 Sent 3 bytes, received 4 bytes.",
                               "11:00:01 100 Exit."}
            << QStringList{"10:00:00-10:30:00 10/20"} << 8;
        QTest::newRow("another process connects on its interface: the old call was lost")
            << up("10:00:00") + QStringList{"10:30:00 200 Connect: ppp100 <--> /dev/ttyS1",
                                            "10:30:04 200 local  IP address 10.0.0.3",
                                            "10:40:00 200 Modem hangup"}
            << QStringList{"10:00:00-lost ?/?", "10:30:00-10:40:00 ?/?"} << 2;
        QTest::newRow("a process started again under the pid: the old call was lost")
            << up("10:00:00") + QStringList{"11:00:00 100 pppd 2.4.9 started by root, uid 0"} +
                   up("11:00:30") + QStringList{"11:10:00 100 Modem hangup"}
            << QStringList{"10:00:00-lost ?/?", "11:00:30-11:10:00 ?/?"} << 3;
        // Two syslog daemons writing one file; the other process logs the same words at the
        // same moment, and they are its own.
        QStringList twice;
        for (const QString& line : up("10:00:00") + down("10:30:00"))
            twice << line << line;
        QTest::newRow("every line twice")
            << twice + up("10:00:00", "2") +
                   QStringList{"10:30:00 2 Modem hangup",
                               "10:30:00 2 Sent 10 bytes, received 20 bytes."}
            << QStringList{"10:00:00-10:30:00 10/20", "10:00:00-10:30:00 10/20"} << 14;
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

    // Every way a call's length is known, the clock stepped or not.
    void length_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<qint64>("seconds"); // -1: none
        const QString connect = QStringLiteral("Connect: ppp0 <--> /dev/ttyS0");
        const QString ip = QStringLiteral("local  IP address 10.0.0.2");
        QTest::newRow("one boot: its monotonic clock, though the wall clock went back")
            << QStringList{"0 10:00:00 @a:1000 " + connect, "0 10:00:05 @a:1005 " + ip,
                           "0 09:10:00 @a:4000 Modem hangup"}
            << qint64(3000);
        QTest::newRow("one boot: counted on the start's clock, as the texts count")
            << QStringList{"0 10:00:00.900 @a:1000.9 " + connect, "0 10:00:01.000 @a:1001 " + ip,
                           "0 10:05:00.100 @a:1300.1 Modem hangup"}
            << qint64(300);
        QTest::newRow("a new boot: the call ended unlogged, its length unknown")
            << QStringList{"0 10:00:00 @a:1000 " + connect, "0 10:00:05 @a:1005 " + ip,
                           "0 10:30:00 @b:20 Modem hangup"}
            << qint64(-1);
        QTest::newRow("text file, more than a day")
            << QStringList{"0 10:00:00 " + connect, "0 10:00:05 " + ip, "1 11:00:00 Modem hangup"}
            << qint64(90000);
        QTest::newRow("text file, more than a day, pppd's connect time agrees")
            << QStringList{"0 10:00:00 " + connect, "0 10:00:05 " + ip, "1 11:00:00 Modem hangup",
                           "1 11:00:00 Connect time 1499.9 minutes."}
            << qint64(90000);
        QTest::newRow("text file, end before start: pppd's connect time from IP-up")
            << QStringList{"0 10:00:00 " + connect, "0 10:00:05 " + ip, "0 09:10:00 Modem hangup",
                           "0 09:10:00 Connect time 49.9 minutes."}
            << qint64(5 + 2994);
        QTest::newRow("text file, clock stepped ahead: pppd's connect time")
            << QStringList{"0 10:00:00 " + connect, "0 10:00:05 " + ip, "0 15:00:00 Modem hangup",
                           "0 15:00:00 Connect time 49.9 minutes."}
            << qint64(5 + 2994);
        QTest::newRow("end before start, nothing else timed it: no length, never a day")
            << QStringList{"0 10:00:00 " + connect, "0 10:00:05 " + ip, "0 09:10:00 Modem hangup"}
            << qint64(0);
        QTest::newRow("a clock a year ahead, nothing else timed it")
            << QStringList{"0 10:00:00 " + connect, "0 10:00:05 " + ip, "400 10:00:00 Modem hangup"}
            << qint64(0);
        QTest::newRow("no end") << QStringList{"0 10:00:00 @a:1000 " + connect,
                                               "0 10:00:05 @a:1005 " + ip}
                                << qint64(-1);
    }
    void length()
    {
        QFETCH(QStringList, lines);
        QFETCH(qint64, seconds);
        const PppdConnectionBuilder::Result result = PppdConnectionBuilder::build(clocked(lines));
        QCOMPARE(result.connections.size(), 1);
        const std::optional<qint64> measured = result.connections.first().measuredSeconds();
        QCOMPARE(measured.value_or(-1), seconds);
        QCOMPARE(result.connections.first().toDated().record.measuredSeconds, measured);

        // Carried across a restart after IP came up, the call measures the same.
        QList<PppdOpenLink> open = PppdConnectionBuilder::build(clocked(lines.mid(0, 2))).open;
        QCOMPARE(open.size(), 1);
        const std::optional<PppdOpenLink> kept =
            PppdOpenLinkFile::parse(PppdOpenLinkFile::lineOf(open.first()));
        QVERIFY(kept);
        const PppdConnectionBuilder::Result carried =
            PppdConnectionBuilder::build(clocked(lines.mid(2)), {*kept});
        QCOMPARE(carried.connections.size(), 1);
        QCOMPARE(carried.connections.first().measuredSeconds().value_or(-1), seconds);
    }

    void carryOn_data()
    {
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<QStringList>("then");
        QTest::addColumn<bool>("restart"); // the open links kept in their file in between
        QTest::addColumn<QStringList>("expected");

        const QStringList renewed{"10:20:00 100 IPCP terminated by peer",
                                  "10:20:00 100 Sent 1 bytes, received 2 bytes.",
                                  "10:20:03 100 local  IP address 10.0.0.3"};
        QTest::newRow("its start gone: the end joins the start and the bytes")
            << up("10:00:00") + renewed << down("11:00:00") << false
            << QStringList{"10:00:00-11:00:00 11/22"};
        QTest::newRow("the same, across a restart")
            << up("10:00:00") + renewed << down("11:00:00") << true
            << QStringList{"10:00:00-11:00:00 11/22"};
        QTest::newRow("read again from its Connect: one link")
            << up("10:00:00") + renewed << up("10:00:00") + renewed + down("11:00:00") << false
            << QStringList{"10:00:00-11:00:00 11/22"};
        QTest::newRow("read again after its Connect: what was taken counts once")
            << up("10:00:00") + renewed << renewed.mid(1) + down("11:00:00") << true
            << QStringList{"10:00:00-11:00:00 11/22"};
        QTest::newRow("stats due after the end")
            << up("10:00:00") + QStringList{"11:00:00 100 Modem hangup"}
            << QStringList{"11:00:00 100 Sent 10 bytes, received 20 bytes."} << true
            << QStringList{"10:00:00-11:00:00 10/20"};
        QTest::newRow("the pid given to a new process: the call was lost")
            << up("10:00:00")
            << QStringList{"11:00:00 100 pppd 2.4.9 started by root, uid 0"} + up("11:00:30") +
                   down("11:30:00")
            << false << QStringList{"10:00:00-lost ?/?", "11:00:30-11:30:00 10/20"};
        QTest::newRow("a later Connect: of its process ends it")
            << up("10:00:00") << up("10:40:00") << true
            << QStringList{"10:00:00-10:40:00 ?/?", "10:40:00-... ?/?"};
        QTest::newRow("IP up only now") << QStringList{"10:00:00 100 Connect: ppp0 <--> /dev/ttyS0"}
                                        << QStringList{"10:00:05 100 local  IP address 10.0.0.2"}
                                        << true << QStringList{"10:00:00-... ?/?"};
    }

    void carryOn()
    {
        QFETCH(QStringList, first);
        QFETCH(QStringList, then);
        QFETCH(bool, restart);
        QFETCH(QStringList, expected);
        QList<PppdOpenLink> open = PppdConnectionBuilder::build(records(first)).open;
        if (restart) {
            for (PppdOpenLink& link : open) {
                const std::optional<PppdOpenLink> read =
                    PppdOpenLinkFile::parse(PppdOpenLinkFile::lineOf(link));
                QVERIFY(read);
                link = *read;
            }
        }
        const PppdConnectionBuilder::Result result =
            PppdConnectionBuilder::build(records(then), open);
        QCOMPARE(rows(result.connections), expected);
        // Settled links are carried no further.
        QCOMPARE(result.open.size(), expected.filter(QStringLiteral("-... ")).size());
    }

    void kind_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<PppdMessage::Kind>("kind");
        using Kind = PppdMessage::Kind;
        QTest::newRow("connect time is no connect")
            << "Connect time 28.7 minutes." << Kind::ConnectTime;
        QTest::newRow("connect time cut short") << "Connect time 28." << Kind::Other;
        QTest::newRow("connect time no call lasts")
            << "Connect time 600000.0 minutes." << Kind::Other;
        QTest::newRow("one blank is not pppd's") << "local IP address 10.0.0.2" << Kind::Other;
        QTest::newRow("IPv6CP is no IP link") << "local  LL address fe80::1" << Kind::Other;
        QTest::newRow("signal, with a full stop") << "Terminating on signal 15." << Kind::End;
        QTest::newRow("stats cut short") << "Sent 412876 bytes, received 51" << Kind::Other;
        QTest::newRow("stats above 64 bits")
            << "Sent 18446744073709551616 bytes, received 1 bytes." << Kind::Other;
    }

    void kind()
    {
        QFETCH(QString, message);
        QFETCH(PppdMessage::Kind, kind);
        QCOMPARE(PppdMessage::kind(message), kind);
    }
};

DIALTRAK_TEST(TstPppdConnectionBuilder)
#include "tst_pppdconnectionbuilder.moc"
