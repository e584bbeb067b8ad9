#include "modemlogbuilder.h"
#include "programrun.h"
#include "testregistry.h"
#include "unprivileged.h"

#include <QTest>

// Closing with a modem log that cannot be emptied (the driver holds it, or it is read-only):
// the user is told, and the log is as it was. Root may write any file, so as root the class
// runs again as the user nobody and stands on that run's result.
class TstClosePermissions : public QObject
{
    Q_OBJECT

    bool m_ranAsNobody = false;

private Q_SLOTS:
    void initTestCase()
    {
        if (!Unprivileged::isRoot())
            return;
        QString output;
        const int code = Unprivileged::rerun("TstClosePermissions", &output);
        QVERIFY2(code == 0, qPrintable(output));
        qInfo("%s", qPrintable(output));
        m_ranAsNobody = true;
    }
    // Skipped one by one: a skip in initTestCase would leave every later class of the
    // executable without its tests too.
    void init()
    {
        if (m_ranAsNobody)
            QSKIP("ran as the user nobody in a child process, which passed (above)");
    }

    void aModemLogThatCannotBeEmptiedIsTold()
    {
        Run run;
        const QByteArray log = ModemLogBuilder().call("04-03-2000", "21:05:00", "22:10:09").bytes();
        QVERIFY(TextFile::writeBytes(run.modemLog, log));
        QVERIFY(QFile::setPermissions(run.modemLog, QFile::ReadOwner | QFile::ReadGroup));
        run.start();
        run.window->close();
        QCOMPARE(run.prompter.texts().size(), 1);
        QVERIFY(run.prompter.texts().at(0).contains("could not be emptied"));
        QCOMPARE(run.modemLogBytes(), log);
    }
};

DIALTRAK_TEST(TstClosePermissions)
#include "tst_closepermissions.moc"
