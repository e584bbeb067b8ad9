#include "log/connectiontable.h"
#include "report/callinprogress.h"
#include "tariff/callcoster.h"
#include "tariff/tarifftable.h"
#include "testregistry.h"

#include <QTest>

class TstCallInProgress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void statusText_data()
    {
        QTest::addColumn<QString>("end");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("text");
        const QDateTime now(QDate(2000, 4, 3), QTime(10, 12, 30));
        // Costed by the tariff's own rules (peak rate 0.04 a minute) as if it ended now.
        QTest::newRow("in progress")
            << "10:00:00" << now
            << QString("Connected since 10:00:00: 0 hrs 12 mins 30 secs so "
                       "far, \u00a30.50");
        QTest::newRow("ended") << "10:05:00" << now << QString();
        QTest::newRow("its end never logged, a day on")
            << "10:00:00" << now.addDays(1) << QString();
    }
    void statusText()
    {
        QFETCH(QString, end);
        QFETCH(QDateTime, now);
        QFETCH(QString, text);
        TariffTable tariff;
        tariff.setRate(0, "0.04");
        tariff.setboxrates();
        ConnectionTable table;
        ConnectionRecord call;
        call.conndate = "2000-04-03";
        call.starttime = "10:00:00";
        call.endtime = end;
        table.append(call);
        QCOMPARE(CallInProgress::statusText(table, CallCoster(tariff), now), text);
    }
};

DIALTRAK_TEST(TstCallInProgress)
#include "tst_callinprogress.moc"
