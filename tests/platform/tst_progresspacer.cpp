#include "platform/progresspacer.h"
#include "testregistry.h"

#include <QTest>

class TstProgressPacer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aFrameIsDueOnceAFrameHasPassed_data()
    {
        QTest::addColumn<QList<int>>("times");
        QTest::addColumn<QList<bool>>("due");
        QTest::newRow("the first change at once") << QList<int>{0} << QList<bool>{true};
        QTest::newRow("within a frame: later")
            << QList<int>{0, 10, 32} << QList<bool>{true, false, false};
        QTest::newRow("a frame after the last painting")
            << QList<int>{0, 10, 33, 40, 70} << QList<bool>{true, false, true, false, true};
    }
    void aFrameIsDueOnceAFrameHasPassed()
    {
        QFETCH(QList<int>, times);
        QFETCH(QList<bool>, due);
        qint64 now = 0;
        ProgressPacer pacer([&now] { return now; });
        for (qsizetype i = 0; i < times.size(); ++i) {
            now = times.at(i);
            QCOMPARE(pacer.frameDue(), due.at(i));
            if (pacer.frameDue())
                pacer.painted();
        }
    }
};

DIALTRAK_TEST(TstProgressPacer)
#include "tst_progresspacer.moc"
