#include "platform/windowplacement.h"
#include "testregistry.h"

#include <QTest>

class TstWindowPlacement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fit_data()
    {
        QTest::addColumn<QRect>("wanted");
        QTest::addColumn<QRect>("fitted");
        // The available area of a 1024x768 screen below a 32-pixel panel.
        QTest::newRow("fits as it is") << QRect(100, 100, 880, 580) << QRect(100, 100, 880, 580);
        QTest::newRow("off the right edge")
            << QRect(600, 100, 880, 580) << QRect(144, 100, 880, 580);
        QTest::newRow("under the panel") << QRect(10, 0, 880, 580) << QRect(10, 32, 880, 580);
        QTest::newRow("larger than the screen")
            << QRect(-50, 200, 1600, 1000) << QRect(0, 32, 1024, 736);
        QTest::newRow("on a screen that is gone")
            << QRect(2000, 1200, 800, 500) << QRect(224, 268, 800, 500);
    }
    void fit()
    {
        QFETCH(QRect, wanted);
        QFETCH(QRect, fitted);
        QCOMPARE(WindowPlacement::fit(wanted, QRect(0, 32, 1024, 736)), fitted);
    }
};

DIALTRAK_TEST(TstWindowPlacement)
#include "tst_windowplacement.moc"
