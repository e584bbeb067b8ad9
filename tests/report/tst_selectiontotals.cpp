#include "log/connectiontable.h"
#include "report/connectionline.h"
#include "report/selectiontotals.h"
#include "reporttable.h"
#include "testregistry.h"

#include <QTest>

class TstSelectionTotals : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void compute_data()
    {
        QTest::addColumn<QList<int>>("numbers"); // 0 stands for a day separator
        QTest::addColumn<QString>("tipl");
        QTest::addColumn<QString>("ltime");
        QTest::addColumn<QString>("lcost");

        QTest::newRow("nothing") << QList<int>{} << "Totals for the 0 selected connection(s)-"
                                 << ""
                                 << "";
        QTest::newRow("separators only")
            << QList<int>{0, 0} << "Totals for the 0 selected connection(s)-"
            << ""
            << "";
        QTest::newRow("one") << QList<int>{1} << "Totals for the 1 selected connection(s)-"
                             << "1 hrs 5 mins 50 secs"
                             << "£0.45";
        QTest::newRow("seconds carry: 50 + 40 + 35 = 2 min 5 s")
            << QList<int>{0, 1, 2, 0, 3} << "Totals for the 3 selected connection(s)-"
            << "2 hrs 6 mins 5 secs"
            << "£1.75";
        QTest::newRow("connection 1000 counted")
            << QList<int>{0, 1000} << "Totals for the 1 selected connection(s)-"
            << "12 hrs 59 mins 59 secs"
            << "£12.50";
    }
    void compute()
    {
        QFETCH(QList<int>, numbers);
        QFETCH(QString, tipl);
        QFETCH(QString, ltime);
        QFETCH(QString, lcost);

        ConnectionTable table;
        fillDaily(table, ConnectionTable::Capacity);
        table[1] = costedRecord("2000-04-01", "10:00:00", 1, 5, 50, 0.45f);
        table[2] = costedRecord("2000-04-01", "11:00:00", 0, 59, 40, 0.5f);
        table[3] = costedRecord("2000-04-02", "11:00:00", 0, 0, 35, 0.8f);
        table[1000] = costedRecord("2000-05-01", "09:00:00", 12, 59, 59, 12.5f);
        QStringList lines;
        for (int number : numbers)
            lines << (number ? *ConnectionLine::text(table, number, false) : QString());

        const SelectionTotals::Texts texts = SelectionTotals::compute(table, lines);
        QCOMPARE(texts.tipl, tipl);
        QCOMPARE(texts.ltime, ltime);
        QCOMPARE(texts.lcost, lcost);
    }

    void aLineBeyondTheTableCountsForNothing()
    {
        ConnectionTable table;
        fillDaily(table, 2);
        const SelectionTotals::Texts texts =
            SelectionTotals::compute(table, {"003: Connected on ...", "002: Connected on ..."});
        QCOMPARE(texts.tipl, QString("Totals for the 1 selected connection(s)-"));
        QCOMPARE(texts.ltime, QString("0 hrs 1 mins 1 secs"));
    }
};

DIALTRAK_TEST(TstSelectionTotals)
#include "tst_selectiontotals.moc"
