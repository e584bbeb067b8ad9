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
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("text");
        const QDateTime now(QDate(2000, 4, 3), QTime(10, 12, 30));
        // Costed by the tariff's own rules (peak rate 0.04 a minute) as if it ended now.
        QTest::newRow("in progress")
            << now
            << QString("Connected since 10:00:00: 0 hrs 12 mins 30 secs so "
                       "far, \u00a30.50");
        // An always-on link: every day of it counts.
        QTest::newRow("in progress for more than a day")
            << now.addDays(2)
            << QString("Connected since Mon 3 Apr 10:00:00: 48 hrs 12 mins 30 "
                       "secs so far, \u00a3115.70");
        QTest::newRow("the clock before its start") << now.addDays(-1) << QString();
    }
    void statusText()
    {
        QFETCH(QDateTime, now);
        QFETCH(QString, text);
        TariffTable tariff;
        tariff.setRate(0, "0.04");
        tariff.setboxrates();
        DatedConnection earlier;
        earlier.date = QDate(2000, 4, 2);
        earlier.record.starttime = "08:00:00";
        DatedConnection call;
        call.date = QDate(2000, 4, 3);
        call.record.starttime = "10:00:00";
        call.record.endtime = "10:00:00";
        call.inProgress = true;
        // The status line tells of the last call to begin.
        QCOMPARE(CallInProgress::statusText({earlier, call}, CallCoster(tariff), now), text);
    }
};

DIALTRAK_TEST(TstCallInProgress)
#include "tst_callinprogress.moc"
