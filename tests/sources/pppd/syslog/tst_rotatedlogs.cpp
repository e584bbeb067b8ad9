#include "sources/pppd/syslog/rotatedlogs.h"
#include "testregistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TstRotatedLogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void names_data()
    {
        QTest::addColumn<QStringList>("present"); // in the order they were last written to
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("numbered: by number, not by name")
            << QStringList{"syslog.10.gz", "syslog.2.gz", "syslog.1"}
            << QStringList{"syslog.1", "syslog.2.gz", "syslog.10.gz"};
        QTest::newRow("dateext: the latest date first")
            << QStringList{"syslog-20231231.gz", "syslog-20240107.gz", "syslog-20240114"}
            << QStringList{"syslog-20240114", "syslog-20240107.gz", "syslog-20231231.gz"};
        QTest::newRow("plain and compressed at once: the plain one")
            << QStringList{"syslog.2", "syslog.2.gz", "syslog.1"}
            << QStringList{"syslog.1", "syslog.2"};
        QTest::newRow("other files beside it are not its rotations")
            << QStringList{"syslog.bak", "syslog.1.xz",     "syslog-old", "syslogd.1",
                           "syslog.0x1", "syslog-20241399", "syslog..gz", "syslog.1.gz.tmp",
                           "messages.1", "syslog-2024011",  "syslog.1"}
            << QStringList{"syslog.1"};
        QTest::newRow("dateext after numbered: the dated ones are newer")
            << QStringList{"syslog.2.gz", "syslog.1", "syslog-20240114"}
            << QStringList{"syslog-20240114", "syslog.1", "syslog.2.gz"};
        QTest::newRow("numbered after dateext: the numbered ones are newer")
            << QStringList{"syslog-20240114", "syslog.1"}
            << QStringList{"syslog.1", "syslog-20240114"};
    }

    void names()
    {
        QFETCH(QStringList, present);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        const QDateTime first(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC);
        for (qsizetype i = 0; i < present.size(); ++i) {
            QFile file(dir.filePath(present.at(i)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.setFileTime(first.addDays(i), QFileDevice::FileModificationTime));
        }
        QStringList found;
        for (const RotatedLogs::File& file : RotatedLogs::beside(dir.filePath("syslog"))) {
            QCOMPARE(file.compressed, file.path.endsWith(QLatin1String(".gz")));
            found << QFileInfo(file.path).fileName();
        }
        QCOMPARE(found, expected);
    }
};

DIALTRAK_TEST(TstRotatedLogs)
#include "tst_rotatedlogs.moc"
