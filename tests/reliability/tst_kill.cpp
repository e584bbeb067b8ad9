#include "log/connectiontable.h"
#include "log/logloader.h"
#include "log/ownlogfile.h"
#include "modemlogbuilder.h"
#include "platform/formats.h"
#include "platform/progresssink.h"
#include "platform/textfile.h"
#include "sources/modemlog/modemlogsource.h"
#include "testregistry.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace
{
constexpr int Records = 1000;
// The own log's last records: the modem log holds them again, five of them completed only now.
constexpr int InModemLog = 25;

bool inProgressAtLastLoad(int i)
{
    return i >= Records - InModemLog && i % 5 == 4;
}

QDate dayOf(int i)
{
    return QDate(1998, 1, 1).addDays(i / 2);
}
QString startOf(int i)
{
    return i % 2 ? QStringLiteral("20:04:06") : QStringLiteral("09:15:07");
}
QString endOf(int i)
{
    return QTime::fromString(startOf(i), QStringLiteral("hh:mm:ss"))
        .addSecs(60 + 37 * (i % 40))
        .toString(QStringLiteral("hh:mm:ss"));
}

bool killed(QProcess& child)
{
    child.kill();
    child.waitForFinished(10000);
    return child.exitStatus() == QProcess::CrashExit;
}

struct FileState {
    ino_t inode = 0;
    off_t size = -1;
    timespec modified{};
    bool operator!=(const FileState& o) const
    {
        return inode != o.inode || size != o.size || modified.tv_sec != o.modified.tv_sec ||
               modified.tv_nsec != o.modified.tv_nsec;
    }
};
FileState stateOf(const QByteArray& path)
{
    struct stat info {
    };
    if (::stat(path.constData(), &info) != 0)
        return {};
    return {info.st_ino, info.st_size, info.st_mtim};
}
} // namespace

// The program is killed while it loads a 1000-record own log beside a large modem log and
// closes: the own log is always the old file or the new one, whole, and the modem log is
// emptied only once the new own log holds its connections.
class TstKill : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_logpath;
    QByteArray m_oldOwnLog;
    QByteArray m_newOwnLog;
    QByteArray m_modemLog;
    QStringList m_expected;
    // Files a killed run left beside the two logs (a temporary file of a write, say).
    int m_leftOver = 0;

    void lay()
    {
        QVERIFY(TextFile::writeBytes(OwnLogFile::pathFor(m_logpath), m_oldOwnLog));
        QVERIFY(TextFile::writeBytes(m_logpath, m_modemLog));
        QDir folder(m_dir.path());
        for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden)) {
            if (folder.filePath(name) != m_logpath &&
                folder.filePath(name) != OwnLogFile::pathFor(m_logpath)) {
                QVERIFY(folder.remove(name));
                ++m_leftOver;
            }
        }
    }
    QByteArray ownLog() const
    {
        return TextFile::readBytes(OwnLogFile::pathFor(m_logpath)).value_or("<missing>");
    }
    void start(QProcess& child) const
    {
        child.start(QStringLiteral(DIALTRAK_LOADCHILD),
                    {m_logpath, m_dir.filePath(QStringLiteral("program"))});
        QVERIFY(child.waitForStarted());
    }
    // The files a kill left are one of the states a whole step leaves, and nothing is lost.
    void check(int* whichNew, int* emptied) const
    {
        const QByteArray own = ownLog();
        QVERIFY2(own == m_oldOwnLog || own == m_newOwnLog,
                 qPrintable(QStringLiteral("own log is neither the old nor the new file: %1 bytes")
                                .arg(own.size())));
        const QByteArray modem = TextFile::readBytes(m_logpath).value_or("<missing>");
        QVERIFY(modem == m_modemLog || modem.isEmpty());
        if (modem.isEmpty())
            QCOMPARE(own, m_newOwnLog);
        *whichNew += own == m_newOwnLog;
        *emptied += modem.isEmpty();
        // The next start finds every connection.
        ConnectionTable table;
        SilentProgress progress;
        ModemLogSource source(m_logpath, m_dir.filePath(QStringLiteral("program")));
        LogLoader loader(table, {}, progress, source);
        loader.lookinlog();
        QStringList rows;
        for (int slot = 1; slot <= table.connectioncount(); ++slot)
            rows << table[slot].conndate + ' ' + table[slot].starttime + ' ' + table[slot].endtime;
        QCOMPARE(rows, m_expected);
        QCOMPARE(ownLog(), m_newOwnLog);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_logpath = m_dir.filePath(QStringLiteral("Standard Modem.log"));
        // The old own log in the older DD MM YYYY form, so that every line of the new one
        // differs from the old.
        ModemLogBuilder modem;
        for (int i = 0; i < Records; ++i) {
            const QString end = inProgressAtLastLoad(i) ? startOf(i) : endOf(i);
            m_oldOwnLog +=
                QStringLiteral("\"%1\",\"%2\",\"%3\"\r\n")
                    .arg(dayOf(i).toString(QStringLiteral("dd MM yyyy")), startOf(i), end)
                    .toUtf8();
            m_expected << Formats::isoDate(dayOf(i)) + ' ' + startOf(i) + ' ' + endOf(i);
            DatedConnection c;
            c.date = dayOf(i);
            c.record.starttime = startOf(i);
            c.record.endtime = endOf(i);
            m_newOwnLog += TextFile::encode(OwnLogFile::formatRecord(c)) + "\r\n";
        }
        // About 6 MB of the driver's chatter, the last calls among it.
        for (int i = 0; i < 20000; ++i) {
            modem.line(dayOf(Records - InModemLog).toString(QStringLiteral("MM-dd-yyyy")),
                       QStringLiteral("08:00:00"),
                       QStringLiteral("Recv: <cr><lf>OK<cr><lf> Interpreted response: OK ") +
                           QString::number(i));
            modem.line(dayOf(Records - InModemLog).toString(QStringLiteral("MM-dd-yyyy")),
                       QStringLiteral("08:00:00"),
                       QStringLiteral("Send: ATS7=60S30=0L0M1\\N3%C1&K3B0N1X4<cr> ") +
                           QStringLiteral("Waiting for a call.").repeated(8));
        }
        for (int i = Records - InModemLog; i < Records; ++i)
            modem.call(dayOf(i).toString(QStringLiteral("MM-dd-yyyy")), startOf(i), endOf(i));
        m_modemLog = modem.bytes();
        qInfo("own log %lld bytes, modem log %lld bytes", qlonglong(m_oldOwnLog.size()),
              qlonglong(m_modemLog.size()));
    }

    void killedAtRandomMoments()
    {
        // Uninterrupted, the child writes the new own log and empties the modem log.
        lay();
        QElapsedTimer clock;
        QProcess whole;
        clock.start();
        start(whole);
        QVERIFY(whole.waitForFinished(60000));
        const qint64 wholeNs = clock.nsecsElapsed();
        QCOMPARE(whole.exitCode(), 0);
        QCOMPARE(ownLog(), m_newOwnLog);
        QCOMPARE(TextFile::readBytes(m_logpath).value_or("<missing>"), QByteArray());

        const quint32 seed = qEnvironmentVariableIsSet("DIALTRAK_KILL_SEED")
                                 ? quint32(qEnvironmentVariableIntValue("DIALTRAK_KILL_SEED"))
                                 : QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
        int kills = 0, whichNew = 0, emptied = 0;
        for (int trial = 0; trial < 40; ++trial) {
            lay();
            QProcess child;
            start(child);
            clock.restart();
            const qint64 at = qint64(random.bounded(double(wholeNs)));
            while (clock.nsecsElapsed() < at) {
            }
            kills += killed(child);
            check(&whichNew, &emptied);
            if (QTest::currentTestFailed())
                return;
        }
        qInfo("seed %u (DIALTRAK_KILL_SEED replays it); a whole run takes %lld ms; 40 kills at "
              "random moments: %d landed, %d left the new own log, %d an emptied modem log, "
              "%d files were left beside them",
              seed, wholeNs / 1000000, kills, whichNew, emptied, m_leftOver);
    }

    // The moment a write shows in the folder is where a file written in place is half there.
    void killedAsTheOwnLogChanges()
    {
        const QByteArray path = QFile::encodeName(OwnLogFile::pathFor(m_logpath));
        int kills = 0, whichNew = 0, emptied = 0;
        for (int trial = 0; trial < 10; ++trial) {
            lay();
            const FileState before = stateOf(path);
            QProcess child;
            start(child);
            QElapsedTimer clock;
            clock.start();
            while (!(stateOf(path) != before) && clock.elapsed() < 60000) {
            }
            kills += killed(child);
            check(&whichNew, &emptied);
            if (QTest::currentTestFailed())
                return;
        }
        lay();
        qInfo("10 kills as the own log changed: %d landed, %d left the new own log, %d files "
              "were left beside them in all",
              kills, whichNew, m_leftOver);
    }
};

DIALTRAK_TEST(TstKill)
#include "tst_kill.moc"
