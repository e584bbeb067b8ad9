#include "sources/modemmanager/modemmanagercallbuilder.h"
#include "sources/pppd/pppdconnectionbuilder.h"
#include "testregistry.h"

#include <QTest>

namespace
{
const QDate Day(2024, 1, 15);

// "hh:mm:ss [@boot] program pid message", the program "MM", "NM" or "pppd"; the boot where the
// journal told it.
QList<PppdRecord> records(const QStringList& lines)
{
    QList<PppdRecord> out;
    for (const QString& line : lines) {
        QStringList words = line.split(u' ');
        PppdRecord record;
        record.when = QDateTime(Day, QTime::fromString(words.takeFirst()));
        if (words.first().startsWith(u'@'))
            record.monotonic = BootClock{words.takeFirst().mid(1).toLatin1(), 0};
        const QString program = words.takeFirst();
        record.program = program == u"MM"   ? PppdRecord::Program::ModemManager
                         : program == u"NM" ? PppdRecord::Program::NetworkManager
                                            : PppdRecord::Program::Pppd;
        record.pid = words.takeFirst().toLongLong();
        record.message = words.join(u' ');
        out << record;
    }
    return out;
}

// "start-end sent/received seconds name": the end "..." in progress and "lost" when unknown.
QStringList rows(const QList<PppdConnection>& calls)
{
    const auto count = [](std::optional<quint64> n) { return n ? QString::number(*n) : "?"; };
    QStringList out;
    for (const PppdConnection& c : calls) {
        const QString end = c.end            ? c.end->time().toString(QStringLiteral("hh:mm:ss"))
                            : c.inProgress() ? QStringLiteral("...")
                                             : QStringLiteral("lost");
        const std::optional<qint64> seconds = c.measuredSeconds();
        out << QString(c.start.time().toString(QStringLiteral("hh:mm:ss")) + u'-' + end + u' ' +
                       count(c.sentBytes) + u'/' + count(c.receivedBytes) + u' ' +
                       (seconds ? QString::number(*seconds) : QStringLiteral("?")) + u' ' + c.name)
                   .trimmed();
    }
    return out;
}

// A modem of 1.14 and later connecting, at `at`.
QString connected(const QString& at, const QString& tag = QStringLiteral("<info>"))
{
    return at + QStringLiteral(" MM 800 ") + tag +
           QStringLiteral("  [modem0] state changed (connecting -> connected)");
}
} // namespace

class TstModemManagerCallBuilder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void build_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<qsizetype>("resumeAt"); // -1: behind the records

        const QString finished45 = QStringLiteral(
            "10:45:00 MM 800 <info>  [modem0/bearer1] connection #1 finished: duration 2700s");
        QTest::newRow("1.20 with the modem's counters")
            << QStringList{connected("10:00:01"), finished45 + ", tx: 1234 bytes, rx: 5678 bytes",
                           "10:45:00 MM 800 <info>  [modem0] state changed (connected -> "
                           "disconnecting)"}
            << QStringList{"10:00:01-10:45:00 1234/5678 2700"} << qsizetype(-1);
        QTest::newRow("1.20 AT bearer: no counters, unknown not zero")
            << QStringList{connected("10:00:00"), finished45}
            << QStringList{"10:00:00-10:45:00 ?/? 2700"} << qsizetype(-1);
        QTest::newRow("1.22 tags it <msg>, state left before the finished line")
            << QStringList{connected("10:00:00", "<msg>"),
                           "10:44:59 MM 800 <msg>  [modem0] state changed (connected -> "
                           "disconnecting)",
                           "10:45:00 MM 800 <msg>  [modem0/bearer2] connection #3 finished: "
                           "duration 2700s, tx: 1 bytes, rx: 2 bytes"}
            << QStringList{"10:00:00-10:45:00 1/2 2700"} << qsizetype(-1);
        QTest::newRow("1.12: connected to the next state, by the clock")
            << QStringList{"10:00:00 MM 800 <info>  Modem /org/freedesktop/ModemManager1/Modem/0: "
                           "state changed (connecting -> connected)",
                           "10:30:00 MM 800 <info>  Modem /org/freedesktop/ModemManager1/Modem/0: "
                           "state changed (connected -> disconnecting)"}
            << QStringList{"10:00:00-10:30:00 ?/? 1800"} << qsizetype(-1);
        QTest::newRow("its connected read no more: the start is the end less the duration")
            << QStringList{finished45} << QStringList{"10:00:00-10:45:00 ?/? 2700"}
            << qsizetype(-1);
        QTest::newRow("a clock step between: the duration, not the clock")
            << QStringList{connected("09:00:00"), finished45}
            << QStringList{"10:00:00-10:45:00 ?/? 2700"} << qsizetype(-1);
        QTest::newRow("no end yet: in progress, read again from its connected")
            << QStringList{"09:59:00 MM 800 <info>  [modem0] state changed (registered -> "
                           "connecting)",
                           connected("10:00:00")}
            << QStringList{"10:00:00-... ?/? ?"} << qsizetype(1);
        QTest::newRow("no end across a reboot: lost")
            << QStringList{"10:00:00 @a MM 800 <info>  [modem0] state changed (connecting -> "
                           "connected)",
                           "11:00:00 @b pppd 9 Exit."}
            << QStringList{"10:00:00-lost ?/? ?"} << qsizetype(-1);
        QTest::newRow("no end, ModemManager started again: lost")
            << QStringList{connected("10:00:00"),
                           "11:00:00 MM 950 <info>  ModemManager (version 1.20.4) starting..."}
            << QStringList{"10:00:00-lost ?/? ?"} << qsizetype(-1);
        QTest::newRow("NetworkManager runs pppd for an AT modem: one call, pppd's")
            << QStringList{"09:59:58 NM 612 <info>  [1705312798.1] device (ttyUSB2): "
                           "Activation: starting connection 'Mobile' (2b1e)",
                           "10:00:00 pppd 300 Connect: ppp0 <--> /dev/ttyUSB2",
                           "10:00:00 pppd 300 local  IP address 10.64.64.64",
                           connected("10:00:01"),
                           "10:45:00 pppd 300 Sent 100 bytes, received 200 bytes.",
                           "10:45:00 pppd 300 Connection terminated.",
                           finished45}
            << QStringList{} << qsizetype(-1);
        QTest::newRow("a long pppd call in progress holds a later one, a short one does not")
            << QStringList{"08:00:00 pppd 300 Connect: ppp0 <--> /dev/ttyUSB2",
                           "08:00:00 pppd 300 local  IP address 10.64.64.64",
                           "09:00:00 pppd 301 Connect: ppp1 <--> /dev/ttyUSB3",
                           "09:00:00 pppd 301 local  IP address 10.64.64.65",
                           "09:10:00 pppd 301 Connection terminated.",
                           connected("10:00:01"),
                           finished45}
            << QStringList{} << qsizetype(-1);
        QTest::newRow("pppd's call over before: the modem's own")
            << QStringList{"09:00:00 pppd 301 Connect: ppp1 <--> /dev/ttyUSB3",
                           "09:00:00 pppd 301 local  IP address 10.64.64.65",
                           "09:10:00 pppd 301 Connection terminated.", connected("10:00:00"),
                           finished45}
            << QStringList{"10:00:00-10:45:00 ?/? 2700"} << qsizetype(-1);
        QTest::newRow("named by NetworkManager's activation on the modem's port")
            << QStringList{"09:59:50 NM 612 <info>  [1705312790.1] device (cdc-wdm0): "
                           "Activation: starting connection 'Vodafone DE' (8f3a)",
                           "09:59:55 NM 612 <info>  [1705312795.1] device (wlan0): "
                           "Activation: starting connection 'Home' (11aa)",
                           connected("10:00:00"), finished45}
            << QStringList{"10:00:00-10:45:00 ?/? 2700 Vodafone DE"} << qsizetype(-1);
        QTest::newRow("an activation long before is another connection's")
            << QStringList{"09:50:00 NM 612 <info>  [1705312200.1] device (cdc-wdm0): "
                           "Activation: starting connection 'Old' (8f3a)",
                           connected("10:00:00"), finished45}
            << QStringList{"10:00:00-10:45:00 ?/? 2700"} << qsizetype(-1);
        QTest::newRow("each line twice (two syslog daemons): one call")
            << QStringList{connected("10:00:00"), connected("10:00:00"), finished45, finished45}
            << QStringList{"10:00:00-10:45:00 ?/? 2700"} << qsizetype(-1);
        QTest::newRow("not ModemManager's texts")
            << QStringList{"10:00:00 MM 800 <info>  [modem0] state changed (connecting ->",
                           "10:45:00 MM 800 <info>  [modem0/bearer1] connection #1 finished: "
                           "duration 45s, tx: 1234 bytes",
                           "10:45:00 pppd 9 <info>  [modem0/bearer1] connection #1 finished: "
                           "duration 45s"}
            << QStringList{} << qsizetype(-1);
    }

    void build()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, expected);
        QFETCH(qsizetype, resumeAt);
        const QList<PppdRecord> input = records(lines);
        const QList<PppdConnection> pppd = PppdConnectionBuilder::build(input).connections;
        const ModemManagerCallBuilder::Result built = ModemManagerCallBuilder::build(input, pppd);
        QCOMPARE(rows(built.calls), expected);
        QCOMPARE(built.resumeAt, resumeAt < 0 ? input.size() : resumeAt);
    }
};

DIALTRAK_TEST(TstModemManagerCallBuilder)
#include "tst_modemmanagercallbuilder.moc"
