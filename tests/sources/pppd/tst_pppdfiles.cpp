#include "foldersnapshot.h"
#include "platform/textfile.h"
#include "sources/pppd/pppdfiles.h"
#include "testregistry.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace
{
// The files of the source reading /X/a_b, under the name earlier versions gave it ("E", which
// /X/a/b has too) and under its own ("O"): "E log", "O notes", ...
const QString kSource = QStringLiteral("/X/a_b");
QString fileName(const QString& which)
{
    const QString name =
        which.startsWith('E') ? "PPP connections in X_a_b" : "PPP connections in X_a%5Fb";
    const QString kind = which.section(' ', 1);
    if (kind == "notes")
        return "Extra information for " + name + ".dtk";
    if (kind == "log")
        return name + " (Connection information file - Do not delete).dtk";
    if (kind == "bytes")
        return name + " (Bytes - Do not delete).dtk";
    return name + " (Start of the log).dtk";
}
} // namespace

class TstPppdFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void noTwoSourcesShareAFile_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("shared");
        // Earlier versions gave each pair one name.
        QTest::newRow("a '_' or a folder") << "/X/a_b"
                                           << "/X/a/b" << false;
        QTest::newRow("'_' before or after a '/'") << "/a_/b"
                                                   << "/a/_b" << false;
        QTest::newRow("a '_' at the root") << "/_a"
                                           << "/a" << false;
        QTest::newRow("a '_' or its escape") << "/a%5Fb"
                                             << "/a_b" << false;
        // "{cwd}": the folder the program runs in.
        QTest::newRow("a path from where the program runs") << "logs/syslog"
                                                            << "{cwd}/logs/syslog" << true;
    }
    void noTwoSourcesShareAFile()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, shared);
        second.replace("{cwd}", QDir::currentPath());
        QTemporaryDir dir;
        const PppdFiles one = PppdFiles::ofPath(first, dir.path());
        const PppdFiles other = PppdFiles::ofPath(second, dir.path());
        QCOMPARE(one.ownLogPath() == other.ownLogPath(), shared);
    }

    void earlierFiles_data()
    {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<bool>("write");    // a load that writes prepares the files
        QTest::addColumn<QString>("inUse"); // the name the files are found under: E or O
        QTest::addColumn<QStringList>("after");
        QTest::newRow("read where they are by a load that only reads")
            << QStringList{"E log", "E notes"} << false << "E"
            << QStringList{"E log=E log", "E notes=E notes"};
        QTest::newRow("copied under the source's own name by a load that writes")
            << QStringList{"E log", "E notes", "E bytes", "E start"} << true << "O"
            << QStringList{"E bytes=E bytes", "E log=E log", "E notes=E notes", "E start=E start",
                           "O bytes=E bytes", "O log=E log", "O notes=E notes", "O start=E start"};
        QTest::newRow("its own files stay its own")
            << QStringList{"E log", "E notes", "O log"} << true << "O"
            << QStringList{"E log=E log", "E notes=E notes", "O log=O log"};
        // Start New Log deletes the own log and keeps the moment it ran.
        QTest::newRow("its own after Start New Log")
            << QStringList{"E log", "E notes", "O start"} << false << "O"
            << QStringList{"E log=E log", "E notes=E notes", "O start=O start"};
        QTest::newRow("none earlier") << QStringList{} << true << "O" << QStringList{};
    }
    void earlierFiles()
    {
        QFETCH(QStringList, present);
        QFETCH(bool, write);
        QFETCH(QString, inUse);
        QFETCH(QStringList, after);
        QTemporaryDir root;
        const QString dir = root.filePath("data");
        if (!present.isEmpty())
            QVERIFY(QDir().mkpath(dir));
        for (const QString& which : present)
            QVERIFY(TextFile::writeBytes(dir + '/' + fileName(which), which.toUtf8()));

        const PppdFiles source = PppdFiles::ofPath(kSource, dir);
        if (write) {
            QString error;
            QVERIFY2(source.prepareForWriting(&error), qPrintable(error));
        }
        QMap<QString, QByteArray> files;
        for (const QString& file : after) // "O log=E log": O log holds what E log held
            files.insert(dir + '/' + fileName(file.section('=', 0, 0)),
                         file.section('=', 1).toUtf8());
        QCOMPARE(folderSnapshot(dir), files);
        QCOMPARE(QFileInfo(dir).isDir(), write || !present.isEmpty());
        const QStringList paths{source.ownLogPath(), source.notesPath(), source.volumePath(),
                                source.startOfLogPath()};
        const QStringList want{
            dir + '/' + fileName(inUse + " log"), dir + '/' + fileName(inUse + " notes"),
            dir + '/' + fileName(inUse + " bytes"), dir + '/' + fileName(inUse + " start")};
        QCOMPARE(paths, want);
        QCOMPARE(source.path(" compacted.log"),
                 dir + '/' + fileName(inUse + " log").section(" (", 0, 0) + " compacted.log");
        // /X/a/b's files keep the name they had, as does every path without a '_' or '%'.
        QCOMPARE(PppdFiles::ofPath("/X/a/b", dir).ownLogPath(), dir + '/' + fileName("E log"));
    }

    void aCopyThatFailsLeavesNone()
    {
        QTemporaryDir dir;
        for (const QString which : {"E log", "E notes", "E bytes"})
            QVERIFY(TextFile::writeBytes(dir.filePath(fileName(which)), which.toUtf8()));
        // The bytes cannot be put in place, after the notes were.
        QVERIFY(QDir(dir.path()).mkdir(fileName("O bytes")));
        const QMap<QString, QByteArray> before = folderSnapshot(dir.path());

        const PppdFiles files = PppdFiles::ofPath(kSource, dir.path());
        QString error;
        QVERIFY(!files.prepareForWriting(&error));
        QVERIFY2(error.startsWith("Cannot copy " + dir.filePath(fileName("E bytes")) + " to " +
                                  dir.filePath(fileName("O bytes")) + " ("),
                 qPrintable(error));
        QCOMPARE(folderSnapshot(dir.path()), before);
        QCOMPARE(files.ownLogPath(), dir.filePath(fileName("E log")));
    }
};

DIALTRAK_TEST(TstPppdFiles)
#include "tst_pppdfiles.moc"
