#include "platform/progresspacer.h"
#include "testregistry.h"

#include <QTest>

class TstProgressPacer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showsEachValueOnceAndAlwaysTheEnds()
    {
        ProgressPacer pacer;
        QVERIFY(pacer.shouldShow(0));
        QVERIFY(!pacer.shouldShow(0));
        QTest::qWait(ProgressPacer::IntervalMs + 10);
        QVERIFY(pacer.shouldShow(40));
        QVERIFY(!pacer.shouldShow(40));
        // However soon after the last one: the end and the reset to 0 must be seen.
        QVERIFY(pacer.shouldShow(100));
        QVERIFY(pacer.shouldShow(0));
    }
};

DIALTRAK_TEST(TstProgressPacer)
#include "tst_progresspacer.moc"
