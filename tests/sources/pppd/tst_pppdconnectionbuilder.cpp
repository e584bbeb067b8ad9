#include "sources/pppd/pppdconnectionbuilder.h"
#include "sources/pppd/pppdmessage.h"
#include "sources/pppd/pppdopenlinkfile.h"
#include "testregistry.h"

#include <QTest>

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
    return {at + u' ' + pid + QStringLiteral(" Connect: ppp0 <--> /dev/ttyS0"),
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
        QTest::newRow("connect time is no connect") << "Connect time 28.7 minutes." << Kind::Other;
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
