#include "platform/homepage.h"
#include "testregistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TstHomePage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void locate_data()
    {
        QTest::addColumn<QStringList>("pages");
        QTest::addColumn<QString>("found");
        const QString built = "prefix/bin/docs/dialtrak.html";
        const QString installed = "prefix/share/doc/dialtrak/dialtrak.html";
        QTest::newRow("build folder") << QStringList{built} << built;
        QTest::newRow("installed") << QStringList{installed} << installed;
        QTest::newRow("both: the one beside the program") << QStringList{installed, built} << built;
        QTest::newRow("neither: where it belongs") << QStringList{} << installed;
    }
    void locate()
    {
        QFETCH(QStringList, pages);
        QFETCH(QString, found);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("prefix/bin"));
        for (const QString& page : pages) {
            QVERIFY(QDir(dir.path()).mkpath(QFileInfo(page).path()));
            QFile file(dir.filePath(page));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(HomePage::locate(dir.filePath("prefix/bin")), dir.filePath(found));
        QCOMPARE(HomePage::address(dir.filePath(found)), "file://" + dir.filePath(found));
    }
};

DIALTRAK_TEST(TstHomePage)
#include "tst_homepage.moc"
