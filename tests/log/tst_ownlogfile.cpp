#include "log/logmerger.h"
#include "log/ownlogfile.h"
#include "logfixture.h"
#include "testregistry.h"

#include <QTest>

namespace
{
DatedConnection make(const QDate& date, const QString& start, const QString& end, bool own)
{
    DatedConnection c;
    c.date = date;
    c.record.starttime = start;
    c.record.endtime = end;
    c.fromOwnLog = own;
    return c;
}

// "d hh:mm:ss-hh:mm:ss o|m" items, for compact merge cases; d is the day of April 2000.
QList<DatedConnection> parse(const QString& items)
{
    QList<DatedConnection> out;
    for (const QString& item : items.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList parts = item.trimmed().split(QLatin1Char(' '));
        const QStringList times = parts.at(1).split(QLatin1Char('-'));
        out << make(QDate(2000, 4, parts.at(0).toInt()), times.at(0), times.at(1),
                    parts.value(2) == QLatin1String("o"));
    }
    return out;
}

QString show(const QList<DatedConnection>& list)
{
    QStringList out;
    for (const DatedConnection& c : list)
        out << QStringLiteral("%1 %2-%3 %4")
                   .arg(c.date.day())
                   .arg(c.record.starttime, c.record.endtime,
                        c.fromOwnLog ? QStringLiteral("o") : QStringLiteral("m"));
    return out.join(QLatin1String("; "));
}
} // namespace

class TstOwnLog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pathFor()
    {
        QCOMPARE(
            OwnLogFile::pathFor("/home/u/Standard Modem.log"),
            QString("/home/u/Standard Modem (Connection information file - Do not delete).dtk"));
        QCOMPARE(OwnLogFile::pathFor("/x/ModemLog_PCI Soft Modem.txt"),
                 QString("/x/ModemLog_PCI Soft Modem (Connection information file - Do not "
                         "delete).dtk"));
        // Without an extension nothing is taken off: the file stays beside the log, its own.
        QCOMPARE(OwnLogFile::pathFor("/x/sub/x"),
                 QString("/x/sub/x (Connection information file - Do not delete).dtk"));
    }

    void parseRecord_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QDate>("date"); // invalid: the record is skipped
        QTest::newRow("ISO") << "\"2000-04-15\",\"10:05:00\",\"11:00:12\"" << QDate(2000, 4, 15);
        QTest::newRow("old DD MM YYYY")
            << "\"15 04 2000\",\"10:05:00\",\"11:00:12\"" << QDate(2000, 4, 15);
        QTest::newRow("short date dd/mm/yy")
            << "\"15/04/00\",\"10:05:00\",\"11:00:12\"" << QDate(2000, 4, 15);
        QTest::newRow("short date, 1999")
            << "\"31/12/99\",\"23:05:00\",\"23:59:59\"" << QDate(1999, 12, 31);
        QTest::newRow("unquoted") << "15/04/00, 10:05:00, 11:00:12" << QDate(2000, 4, 15);
        QTest::newRow("empty date") << "\"\",\"10:05:00\",\"11:00:12\"" << QDate();
        QTest::newRow("bad date") << "\"31/02/00\",\"10:05:00\",\"11:00:12\"" << QDate();
        QTest::newRow("bad time") << "\"15/04/00\",\"10:65:00\",\"11:00:12\"" << QDate();
        QTest::newRow("missing end") << "\"15/04/00\",\"10:05:00\"" << QDate();
        QTest::newRow("garbage") << "hello" << QDate();
    }
    void parseRecord()
    {
        QFETCH(QString, line);
        QFETCH(QDate, date);
        const std::optional<DatedConnection> record = OwnLogFile::parseRecord(line);
        QCOMPARE(record.has_value(), date.isValid());
        if (record) {
            QCOMPARE(record->date, date);
            QVERIFY(record->fromOwnLog);
            // Written back in the one form every later run reads the same way.
            QCOMPARE(OwnLogFile::formatRecord(*record),
                     LogFixture::record(date.toString(Qt::ISODate), record->record.starttime,
                                        record->record.endtime));
        }
    }

    // Costing and the in-progress rule read hh:mm:ss only: "10:00" used to cost as ERROR and
    // "10:05 PM" as a call at ten in the morning.
    void recordTimesAreReadAsHhMmSs_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::newRow("hh:mm") << "\"2000-04-01\",\"10:00\",\"10:10:00\""
                               << "10:00:00"
                               << "10:10:00";
        QTest::newRow("12-hour clock") << "\"2000-04-01\",\"10:05 PM\",\"11:00:12 pm\""
                                       << "22:05:00"
                                       << "23:00:12";
        QTest::newRow("spaces inside the quotes") << "\"2000-04-01\",\" 10:05:00\",\"11:00:12 \""
                                                  << "10:05:00"
                                                  << "11:00:12";
    }
    void recordTimesAreReadAsHhMmSs()
    {
        QFETCH(QString, line);
        QFETCH(QString, start);
        QFETCH(QString, end);
        const std::optional<DatedConnection> record = OwnLogFile::parseRecord(line);
        QVERIFY(record);
        QCOMPARE(record->record.starttime, start);
        QCOMPARE(record->record.endtime, end);
    }

    void readSkipsInvalidAndCreatesMissing()
    {
        LogFixture files;
        const OwnLogFile own(files.ownLogPath());
        const OwnLogFile::ReadResult missing = own.read();
        QCOMPARE(missing.status, OwnLogFile::ReadStatus::Created);
        QVERIFY(QFile::exists(files.ownLogPath()));
        QVERIFY(missing.records.isEmpty());

        files.writeOwnLog({LogFixture::record("2000-04-01", "10:00:00", "10:10:00"),
                           "\"nonsense\",\"\",\"\"",
                           LogFixture::record("02 04 2000", "11:00:00", "11:10:00"), ""});
        const OwnLogFile::ReadResult read = own.read();
        QCOMPARE(read.status, OwnLogFile::ReadStatus::Read);
        QCOMPARE(read.records.size(), 2);
        QCOMPARE(read.skipped, 1);
        QCOMPARE(read.records.at(1).date, QDate(2000, 4, 2));

        // Another program wrote the file since it was read: it is not overwritten with what this
        // read saw, the caller reads it again.
        files.writeOwnLog({LogFixture::record("2000-04-03", "09:00:00", "09:10:00")});
        const QByteArray theirs = *TextFile::readBytes(files.ownLogPath());
        QCOMPARE(own.write("mine\r\n", &read.contents), OwnLogFile::WriteStatus::Changed);
        QCOMPARE(*TextFile::readBytes(files.ownLogPath()), theirs);
        QCOMPARE(own.write("mine\r\n", &theirs), OwnLogFile::WriteStatus::Written);
        QCOMPARE(*TextFile::readBytes(files.ownLogPath()), QByteArray("mine\r\n"));
    }

    void merge_data()
    {
        QTest::addColumn<QString>("own");
        QTest::addColumn<QString>("modem");
        QTest::addColumn<QString>("merged");

        QTest::newRow("first run: modem log only")
            << ""
            << "1 10:00:00-10:10:00 m; 2 11:00:00-11:30:00 m"
            << "1 10:00:00-10:10:00 m; 2 11:00:00-11:30:00 m";
        QTest::newRow("modem log emptied: own log only")
            << "1 10:00:00-10:10:00 o; 2 11:00:00-11:30:00 o"
            << ""
            << "1 10:00:00-10:10:00 o; 2 11:00:00-11:30:00 o";
        QTest::newRow("overlap stops at the modem log's first")
            << "1 10:00:00-10:10:00 o; 2 11:00:20-11:30:40 o; 3 12:00:00-12:30:00 o"
            << "2 11:00:20-11:30:40 m; 3 12:00:00-12:30:00 m; 4 09:00:00-09:05:00 m"
            << "1 10:00:00-10:10:00 o; 2 11:00:20-11:30:40 m; 3 12:00:00-12:30:00 m; "
               "4 09:00:00-09:05:00 m";
        QTest::newRow("two short calls in one minute are two")
            << "2 10:05:01-10:05:20 o"
            << "2 10:05:40-10:05:58 m"
            << "2 10:05:01-10:05:20 o; 2 10:05:40-10:05:58 m";
        QTest::newRow("same times on another day is no match")
            << "1 11:00:00-11:30:00 o"
            << "2 11:00:00-11:30:00 m"
            << "1 11:00:00-11:30:00 o; 2 11:00:00-11:30:00 m";
        QTest::newRow("different end minute is no match")
            << "2 11:00:00-11:29:00 o"
            << "2 11:00:00-11:30:00 m"
            << "2 11:00:00-11:29:00 o; 2 11:00:00-11:30:00 m";
        QTest::newRow("in progress before its completed copy")
            << "1 09:00:00-09:10:00 o; 2 10:05:00-10:05:00 o"
            << "2 10:05:00-11:00:12 m"
            << "1 09:00:00-09:10:00 o; 2 10:05:00-10:05:00 o; 2 10:05:00-11:00:12 m";
        QTest::newRow("own log newer than an older modem log")
            << "1 10:00:00-10:10:00 o; 2 11:00:00-11:30:00 o; 3 12:00:00-12:30:00 o; "
               "4 13:00:00-13:30:00 o"
            << "2 11:00:00-11:30:00 m; 3 12:00:00-12:30:00 m"
            << "1 10:00:00-10:10:00 o; 2 11:00:00-11:30:00 m; 3 12:00:00-12:30:00 m; "
               "4 13:00:00-13:30:00 o";
        // The clock went back before the third call, which was logged while in progress.
        QTest::newRow("in progress, its completion earlier in time than the call before")
            << "1 00:30:00-00:50:00 o; 1 01:40:00-01:55:00 o; 1 01:10:00-01:10:00 o"
            << "1 00:30:00-00:50:00 m; 1 01:40:00-01:55:00 m; 1 01:10:00-01:35:00 m"
            << "1 00:30:00-00:50:00 m; 1 01:40:00-01:55:00 m; 1 01:10:00-01:10:00 o; "
               "1 01:10:00-01:35:00 m";
        // A source that gives only what is new: another call ended while this one went on.
        QTest::newRow("in progress before a later call, completed among the news")
            << "1 10:00:00-10:00:00 o; 1 10:05:00-10:20:00 o"
            << "1 10:00:00-11:00:00 m"
            << "1 10:00:00-10:00:00 o; 1 10:00:00-11:00:00 m; 1 10:05:00-10:20:00 o";
        QTest::newRow("a call the own log holds before the stop stands once, in its place")
            << "1 10:00:00-10:00:00 o; 1 10:05:00-10:20:00 o"
            << "1 10:00:00-11:00:00 m; 1 10:05:00-10:20:00 m"
            << "1 10:00:00-10:00:00 o; 1 10:00:00-11:00:00 m; 1 10:05:00-10:20:00 o";
        QTest::newRow("line removed from the modem log")
            << "2 11:00:00-11:30:00 o; 3 12:00:00-12:30:00 o; 4 13:00:00-13:30:00 o"
            << "2 11:00:00-11:30:00 m; 4 13:00:00-13:30:00 m; 5 08:00:00-08:30:00 m"
            << "2 11:00:00-11:30:00 m; 3 12:00:00-12:30:00 o; 4 13:00:00-13:30:00 m; "
               "5 08:00:00-08:30:00 m";
    }
    void merge()
    {
        QFETCH(QString, own);
        QFETCH(QString, modem);
        QFETCH(QString, merged);
        QCOMPARE(show(LogMerger::merge(parse(own), parse(modem))), merged);
    }

    void inProgressDuplicate_data()
    {
        QTest::addColumn<QString>("records");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("duplicate");
        QTest::newRow("own log copy")
            << "2 10:05:00-10:05:00 o; 2 10:05:00-11:00:12 m" << 0 << true;
        QTest::newRow("both from the modem log")
            << "2 10:05:00-10:05:00 m; 2 10:05:00-11:00:12 m" << 0 << false;
        QTest::newRow("next starts a second later")
            << "2 10:05:00-10:05:00 o; 2 10:05:01-11:00:12 m" << 0 << false;
        QTest::newRow("finished own record")
            << "2 10:05:00-10:06:00 o; 2 10:06:00-11:00:12 m" << 0 << false;
        QTest::newRow("last record") << "2 10:05:00-10:05:00 o" << 0 << false;
        QTest::newRow("a call days later at the same second")
            << "2 10:05:00-10:05:00 o; 5 10:05:00-11:00:12 m" << 0 << false;
        QTest::newRow("both from the own log")
            << "2 10:05:00-10:05:00 o; 2 10:05:00-11:00:12 o" << 0 << false;
        // Each load dropped one copy only, so the table changed from load to load and the
        // notes of every later call moved.
        QTest::newRow("one of several copies")
            << "2 10:05:00-10:05:00 o; 2 10:05:00-10:05:00 o; 2 10:05:00-11:00:12 m" << 0 << true;
        QTest::newRow("copies of a call still in progress")
            << "2 10:05:00-10:05:00 o; 2 10:05:00-10:05:00 o" << 0 << false;
    }
    void inProgressDuplicate()
    {
        QFETCH(QString, records);
        QFETCH(int, index);
        QFETCH(bool, duplicate);
        QCOMPARE(LogMerger::isInProgressDuplicate(parse(records), index), duplicate);
    }
};

DIALTRAK_TEST(TstOwnLog)
#include "tst_ownlogfile.moc"
