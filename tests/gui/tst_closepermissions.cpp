#include "modemlogbuilder.h"
#include "programrun.h"
#include "testregistry.h"
#include "unprivilegedtest.h"

#include <QTest>

// Closing with a modem log that cannot be emptied (the driver holds it, or it is read-only):
// the user is told, and the log is as it was. Root may write any file, so as root the class
// runs again as the user nobody and stands on that run's result.
class TstClosePermissions : public UnprivilegedTest
{
    Q_OBJECT

private Q_SLOTS:

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
