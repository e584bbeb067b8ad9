#include "sources/pppd/syslog/gzipstream.h"
#include "testregistry.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace
{
// `text` as gzip writes it.
QByteArray gzipped(const QByteArray& text)
{
    QProcess gzip;
    gzip.start(QStringLiteral("gzip"), {QStringLiteral("-c"), QStringLiteral("-n")});
    gzip.write(text);
    gzip.closeWriteChannel();
    gzip.waitForFinished();
    return gzip.readAllStandardOutput();
}
} // namespace

class TstGzipStream : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void inflates_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("expected");

        QByteArray large;
        for (int i = 0; large.size() < 3 * 1024 * 1024; ++i)
            large += "Jan 15 10:00:00 host CRON[" + QByteArray::number(i) + "]: (root) CMD\n";
        const QByteArray one = gzipped("one\n");
        QTest::newRow("larger than any buffer") << gzipped(large) << large;
        QTest::newRow("two members read as one")
            << one + gzipped("two\n") << QByteArray("one\ntwo\n");
        QTest::newRow("zeros after the last member")
            << one + QByteArray(512, '\0') << QByteArray("one\n");
        QTest::newRow("an empty file") << QByteArray() << QByteArray();
    }

    void inflates()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, expected);
        QTemporaryDir dir;
        QFile written(dir.filePath("log.gz"));
        QVERIFY(written.open(QIODevice::WriteOnly));
        QCOMPARE(written.write(file), file.size());
        written.close();
        QFile read(written.fileName());
        QVERIFY(read.open(QIODevice::ReadOnly));
        GzipStream stream(read);
        QByteArray out;
        char block[4096];
        qint64 got = 0;
        while ((got = stream.read(block, sizeof block)) > 0)
            out.append(block, got);
        QCOMPARE(got, 0);
        QCOMPARE(out, expected);
        QCOMPARE(stream.compressedPosition(), file.size());
    }
};

DIALTRAK_TEST(TstGzipStream)
#include "tst_gzipstream.moc"
