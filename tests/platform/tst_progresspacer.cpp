#include "platform/progresspacer.h"
#include "testregistry.h"

#include <QTest>

class TstProgressPacer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void paintsAtMostOncePerFrame_data()
    {
        QTest::addColumn<QList<int>>("times");
        QTest::addColumn<QList<int>>("values");
        QTest::addColumn<QList<bool>>("painted");
        QTest::newRow("the first value at once")
            << QList<int>{0} << QList<int>{0} << QList<bool>{true};
        QTest::newRow("within a frame: later")
            << QList<int>{0, 10, 20} << QList<int>{0, 40, 100} << QList<bool>{true, false, false};
        QTest::newRow("a frame later: at once")
            << QList<int>{0, 10, 40} << QList<int>{0, 40, 100} << QList<bool>{true, false, true};
        QTest::newRow("the value on show is not painted again")
            << QList<int>{0, 100} << QList<int>{50, 50} << QList<bool>{true, false};
    }
    void paintsAtMostOncePerFrame()
    {
        QFETCH(QList<int>, times);
        QFETCH(QList<int>, values);
        QFETCH(QList<bool>, painted);
        qint64 now = 0;
        ProgressPacer pacer([&now] { return now; });
        for (qsizetype i = 0; i < values.size(); ++i) {
            now = times.at(i);
            QCOMPARE(pacer.paintNow(values.at(i)), painted.at(i));
        }
    }
};

DIALTRAK_TEST(TstProgressPacer)
#include "tst_progresspacer.moc"
