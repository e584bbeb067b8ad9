#include "log/connectiontable.h"
#include "log/extrainfofile.h"
#include "log/logloader.h"
#include "log/ownlogfile.h"
#include "log/shutdownguard.h"
#include "modemlogbuilder.h"
#include "platform/formats.h"
#include "platform/progresssink.h"
#include "platform/textfile.h"
#include "sources/modemlog/modemlogsource.h"
#include "tariff/callcoster.h"
#include "tariff/tarifftable.h"
#include "testregistry.h"

#include <QMap>
#include <QTemporaryDir>
#include <QTest>

namespace
{
constexpr int Cycles = 200;

struct Call {
    QDate date;
    QString start;
    QString end;
    QString row() const { return Formats::isoDate(date) + ' ' + start + ' ' + end; }
    QString logDate() const { return date.toString(QStringLiteral("MM-dd-yyyy")); }
};

// Call i of the soak: one a day, two days running at the same second, so that calls on
// different days share their times.
Call callOf(int i)
{
    const QString start = (i / 2) % 2 ? QStringLiteral("21:04:06") : QStringLiteral("09:15:07");
    const QTime end =
        QTime::fromString(start, QStringLiteral("hh:mm:ss")).addSecs(60 * (1 + i % 50) + i % 7);
    return {QDate(2000, 1, 1).addDays(i), start, end.toString(QStringLiteral("hh:mm:ss"))};
}

// The modem driver: it only ever appends, also to a log the program emptied.
void append(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray hangUp(const Call& call)
{
    return ModemLogBuilder()
        .line(call.logDate(), call.end, QStringLiteral("Hanging up the modem."))
        .line(call.logDate(), call.end, QStringLiteral("Session Statistics:"))
        .bytes();
}
} // namespace

// Months of use in a few seconds: 200 starts of the program, each with a modem log that has
// gained a call since the last, the close rule between them as on every real close. Some calls
// are still in progress at a start, some are made while the window is open, some runs end with
// File > Exit (no close rule), the system empties the modem log now and then, and notes are
// added. At the end the own log holds
// every call exactly once, in order, and every note is on its own call.
class TstSoak : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void twoHundredStarts()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString logpath = dir.filePath(QStringLiteral("Standard Modem.log"));
        const QString program = dir.filePath(QStringLiteral("program"));
        append(logpath, {});
        TariffTable tariff;
        tariff.setRate(0, QStringLiteral("0.04"));
        tariff.setRate(1, QStringLiteral("0.015"));
        tariff.setMinimum(QStringLiteral("0.05"));
        tariff.setboxrates();
        const CallCoster coster(tariff);
        SilentProgress progress;

        QList<Call> calls;
        QMap<int, QString> notes; // connection number -> note
        std::optional<Call> inProgress;
        int emptied = 0, inProgressCloses = 0, reloads = 0, exits = 0, systemEmptied = 0;
        for (int i = 0; i < Cycles; ++i) {
            if (inProgress) {
                append(logpath, hangUp(*inProgress));
                if (i % 28 == 11) {
                    // The system empties the modem log at a new session: the hang-up is gone
                    // with it, and the call stays one of unknown end; the next call starts at
                    // its second, a day later.
                    QVERIFY(QFile::resize(logpath, 0));
                    calls.last().end = calls.last().start;
                    ++systemEmptied;
                }
                inProgress.reset();
            }
            const Call call = callOf(i);
            calls << call;
            if (i % 7 == 3) {
                append(logpath, ModemLogBuilder().call(call.logDate(), call.start, {}).bytes());
                inProgress = call;
            } else {
                append(logpath,
                       ModemLogBuilder().call(call.logDate(), call.start, call.end).bytes());
            }

            ConnectionTable table;
            ModemLogSource source(logpath, program);
            LogLoader loader(
                table, [&](ConnectionTable& t, int slot) { return coster.findvariables(t, slot); },
                progress, source);
            const LoadReport report = loader.lookinlog();
            QVERIFY(report.ownLogWritten);
            QCOMPARE(table.connectioncount(), int(calls.size()));
            const ConnectionRecord& newest = table[table.connectioncount()];
            QCOMPARE(newest.starttime, call.start);
            QCOMPARE(newest.endtime, inProgress ? call.start : call.end);

            if (i % 10 == 9) {
                const QString note = QStringLiteral("note on call %1").arg(i);
                table[table.connectioncount()].otherinfo = note;
                QVERIFY(ExtraInfoFile(source.notesPath()).savetheextrabits(table));
                notes.insert(table.connectioncount(), note);
            }
            for (auto note = notes.cbegin(); note != notes.cend(); ++note)
                QCOMPARE(table[note.key()].otherinfo, note.value());

            if (i % 13 == 12) {
                ++exits; // File > Exit: no close rule
                continue;
            }
            if (i % 11 == 5 && !inProgress) {
                // A short call made while the window was open.
                const Call late{call.date, QStringLiteral("23:10:00"), QStringLiteral("23:12:31")};
                calls << late;
                append(logpath,
                       ModemLogBuilder().call(late.logDate(), late.start, late.end).bytes());
            }
            const ShutdownGuard::Result closed = ShutdownGuard(loader, table).unload(report);
            reloads += closed.reloaded;
            if (inProgress) {
                QCOMPARE(closed.outcome, ShutdownGuard::Outcome::InProgress);
                ++inProgressCloses;
            } else {
                QCOMPARE(closed.outcome, ShutdownGuard::Outcome::Emptied);
                QCOMPARE(TextFile::readBytes(logpath).value_or("<missing>"), QByteArray());
                ++emptied;
            }
        }
        if (inProgress)
            append(logpath, hangUp(*inProgress));

        ConnectionTable table;
        ModemLogSource source(logpath, program);
        LogLoader loader(
            table, [&](ConnectionTable& t, int slot) { return coster.findvariables(t, slot); },
            progress, source);
        loader.lookinlog();
        QStringList expected;
        for (const Call& call : calls)
            expected << call.row();
        QStringList stored;
        for (const DatedConnection& c : OwnLogFile(OwnLogFile::pathFor(logpath)).read().records)
            stored << Formats::isoDate(c.date) + ' ' + c.record.starttime + ' ' + c.record.endtime;
        QCOMPARE(stored, expected);
        for (int slot = 1; slot <= table.connectioncount(); ++slot) {
            QCOMPARE(table[slot].otherinfo.startsWith(QLatin1String("note")), notes.contains(slot));
            if (notes.contains(slot))
                QCOMPARE(table[slot].otherinfo, notes.value(slot));
        }
        qInfo("%d starts, %d connections: %d closes emptied the modem log, %d kept it for a "
              "call in progress, %d reloaded first for a call made meanwhile, %d ended with "
              "File > Exit, %d times the system emptied it; %lld notes",
              Cycles, int(calls.size()), emptied, inProgressCloses, reloads, exits, systemEmptied,
              qlonglong(notes.size()));
    }
};

DIALTRAK_TEST(TstSoak)
#include "tst_soak.moc"
