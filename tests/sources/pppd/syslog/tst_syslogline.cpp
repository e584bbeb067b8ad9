#include "localzone.h"
#include "sources/pppd/syslog/localtimeconverter.h"
#include "sources/pppd/syslog/syslogline.h"
#include "testregistry.h"

#include <QTest>
#include <memory>

namespace
{
// "pid|stamp|message": a classic stamp as "M-D hh:mm:ss.zzz", an ISO one as its UTC moment.
QString describe(const SyslogLine::Record& line)
{
    const SyslogStamp& stamp = line.stamp;
    const QString when = stamp.classic ? QStringLiteral("%1-%2 %3")
                                             .arg(stamp.month)
                                             .arg(stamp.day)
                                             .arg(QTime::fromMSecsSinceStartOfDay(stamp.msecsOfDay)
                                                      .toString(QStringLiteral("hh:mm:ss.zzz")))
                                       : QDateTime::fromMSecsSinceEpoch(stamp.utcMsecs, Qt::UTC)
                                             .toString(QStringLiteral("yyyy-MM-ddThh:mm:ss.zzzZ"));
    const QString program = line.program == PppdRecord::Program::Pppd
                                ? QString()
                                : PppdRecord::identifier(line.program) + QLatin1Char(':');
    return program + QString::number(line.pid) + QLatin1Char('|') + when + QLatin1Char('|') +
           QString::fromLatin1(line.message);
}
} // namespace

class TstSyslogLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parseRecord_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("expected"); // empty: not a line of these programs'

        QTest::newRow("classic, day padded with a blank")
            << QByteArray("Jan  3 21:16:29 host pppd[6537]: Connect: ppp0 <--> /dev/ttyS0")
            << "6537|1-3 21:16:29.000|Connect: ppp0 <--> /dev/ttyS0";
        QTest::newRow("journalctl short, day padded with a zero")
            << QByteArray("Mar 09 08:02:11 lark pppd[2210]: Exit.")
            << "2210|3-9 08:02:11.000|Exit.";
        QTest::newRow("journalctl short-precise")
            << QByteArray("Dec 31 23:59:59.987654 h pppd[1]: Exit.")
            << "1|12-31 23:59:59.987|Exit.";
        QTest::newRow("rsyslog RFC 3339")
            << QByteArray("2026-12-08T14:20:08.437916+00:00 finch pppd[15438]: Exit.")
            << "15438|2026-12-08T14:20:08.437Z|Exit.";
        QTest::newRow("RFC 3339 east of UTC")
            << QByteArray("2026-07-14T08:55:02.392003+01:00 finch pppd[15438]: Exit.")
            << "15438|2026-07-14T07:55:02.392Z|Exit.";
        QTest::newRow("short-iso west of UTC, over midnight")
            << QByteArray("2025-02-03T21:30:12-0500 amsel pppd[4410]: Exit.")
            << "4410|2025-02-04T02:30:12.000Z|Exit.";
        QTest::newRow("short-iso-precise")
            << QByteArray("2024-06-21T09:58:58.813562+0000 heron pppd[3301]: Exit.")
            << "3301|2024-06-21T09:58:58.813Z|Exit.";
        QTest::newRow("CR LF line end") << QByteArray("Jan  3 21:16:29 host pppd[6537]: Exit.\r")
                                        << "6537|1-3 21:16:29.000|Exit.";

        QTest::newRow("ModemManager")
            << QByteArray("Mar 09 21:47:30 lark ModemManager[640]: <info>  [modem0] state")
            << "ModemManager:640|3-9 21:47:30.000|<info>  [modem0] state";
        QTest::newRow("NetworkManager repeating pppd: its own, not pppd's")
            << QByteArray("Mar 09 21:47:30 lark NetworkManager[812]: Modem hangup")
            << "NetworkManager:812|3-9 21:47:30.000|Modem hangup";

        // Not lines of these programs.
        for (const auto& [name, line] : std::initializer_list<std::pair<const char*, const char*>>{
                 {"another program's name ending alike",
                  "Mar 09 21:47:30 lark MyModemManager[812]: Modem hangup"},
                 {"pppd[ in another program's message",
                  "Mar 09 21:47:30 lark nm[812]: pppd[2210]: Modem hangup"},
                 {"no pid", "Mar 09 21:47:30 lark pppd: Modem hangup"},
                 {"no host", "Mar 09 21:47:30 pppd[2210]: Modem hangup"},
                 {"pid not a number", "Mar 09 21:47:30 lark pppd[22a0]: Modem hangup"},
                 {"month unknown", "Mai 09 21:47:30 lark pppd[2210]: Modem hangup"},
                 {"day 32", "Mar 32 21:47:30 lark pppd[2210]: Exit."},
                 {"30 February", "2024-02-30T10:00:00+00:00 h pppd[1]: Exit."},
                 {"offset cut short", "2024-02-03T10:00:00+01 h pppd[1]: Exit."},
                 {"modem log line", "03-14-2000 19:42:34.12 - Connection established at 49333bps."},
                 {"cut after the stamp", "Mar 09 21:47:30"},
                 {"empty", ""}})
            QTest::newRow(name) << QByteArray(line) << QString();
    }

    void parseRecord()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, expected);
        const std::optional<SyslogLine::Record> parsed = SyslogLine::parseRecord(line);
        QCOMPARE(parsed ? describe(*parsed) : QString(), expected);
    }

    // Every place in a block, every length of what follows, near misses in front: the fast
    // search must find what a plain one finds, and nothing past the end it was given.
    void findRecordAtEveryPlace_data()
    {
        QTest::addColumn<QByteArray>("identifier");
        // NetworkManager's lines count only where they name a connection.
        for (const char* identifier : {"pppd[", "ModemManager[", "NetworkManager[1]: Activation:"})
            QTest::newRow(identifier) << QByteArray(identifier);
    }
    void findRecordAtEveryPlace()
    {
        QFETCH(QByteArray, identifier);
        const QByteArray nearMisses =
            QByteArray("ppd[pxpppdpppd ModemManagex[ NetworkManagex[ NetworkManager[2]: x\n "
                       "Activation: ")
                .repeated(2);
        for (int at = 0; at < 96; ++at) {
            for (int after = 0; after < 20; ++after) {
                const QByteArray text = nearMisses.left(at) + identifier + QByteArray(after, 'x');
                const char* begin = text.constData();
                const qsizetype expected = text.indexOf(identifier);
                QCOMPARE(SyslogLine::findRecord(begin, begin + text.size()) - begin, expected);
                const char* cut = begin + expected + identifier.size() - 1;
                QCOMPARE(SyslogLine::findRecord(begin, cut), cut);
            }
        }
    }

    // Around both of London's switches, minute by minute, as QDateTime reads local times.
    void localTimesAroundSummerTime()
    {
        const LocalZone zone;
        for (const QDate& day : {QDate(2024, 3, 31), QDate(2024, 10, 27)}) {
            LocalTimeConverter converter;
            for (int minute = 0; minute < 24 * 60; ++minute) {
                const int msecs = minute * 60000 + 1234;
                const QDateTime local(day, QTime::fromMSecsSinceStartOfDay(msecs));
                // The hour the clocks skip has no reading of its own to compare with.
                if (local.time() != QTime::fromMSecsSinceStartOfDay(msecs))
                    continue;
                QCOMPARE(converter.toUtcMsecs(day, msecs), local.toMSecsSinceEpoch());
            }
        }
    }
};

DIALTRAK_TEST(TstSyslogLine)
#include "tst_syslogline.moc"
