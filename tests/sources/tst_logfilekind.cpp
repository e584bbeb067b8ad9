#include "logfixture.h"
#include "sources/logfilekind.h"
#include "testenvironment.h"
#include "testregistry.h"

#include <QTest>

Q_DECLARE_METATYPE(LogFileKind::Kind)

namespace
{
QByteArray dataFile(const QString& name)
{
    return TextFile::readBytes(TestEnvironment::sourceDir() + "/tests/sources/" + name)
        .value_or("<missing>");
}
} // namespace

class TstLogFileKind : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ofFile_data()
    {
        using Kind = LogFileKind::Kind;
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<LogFileKind::Kind>("kind");

        QTest::newRow("modem log")
            << dataFile(QStringLiteral("modemlog/data/three-calls.log")) << Kind::ModemLog;
        for (const char* name : {"classic-dialup.log", "rfc3339-debian.log", "journal-short.txt"})
            QTest::newRow(name) << dataFile(QStringLiteral("pppd/syslog/data/") +
                                            QLatin1String(name))
                                << Kind::Syslog;
        QTest::newRow("a system log without pppd")
            << QByteArray("Jan  8 06:25:01 kestrel CRON[9912]: (root) CMD (true)\n"
                          "Jan  8 06:25:02 kestrel systemd[1]: Started anacron.service.\n")
            << Kind::Syslog;
        QTest::newRow("a modem log with a damaged line")
            << QByteArray("03-14-2000 19:42:07.11 - Generic 56K Voice Modem in use.\r\n"
                          "Fl\xff\xfe garbage\r\n"
                          "03-14-2000 19:42:34.12 - Connection established at 49333bps.\r\n")
            << Kind::ModemLog;
        QTest::newRow("empty") << QByteArray() << Kind::Empty;
        QTest::newRow("some text")
            << QByteArray("Dear Sir,\nplease find enclosed\n") << Kind::Unknown;
        QTest::newRow("the own log")
            << QByteArray("\"2000-03-14\",\"19:42:34\",\"20:31:52\"\r\n") << Kind::Unknown;
    }

    void ofFile()
    {
        QFETCH(QByteArray, contents);
        QFETCH(LogFileKind::Kind, kind);
        const LogFixture files;
        files.writeModemLog(contents);
        QCOMPARE(LogFileKind::ofFile(files.logpath()), kind);
    }

    void aFolderIsNoLog()
    {
        QTemporaryDir dir;
        QString error;
        QCOMPARE(LogFileKind::ofFile(dir.path(), &error), std::nullopt);
        QVERIFY(error.contains(dir.path()));
    }
};

DIALTRAK_TEST(TstLogFileKind)
#include "tst_logfilekind.moc"
