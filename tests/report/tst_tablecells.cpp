#include "costedrecord.h"
#include "report/tablecells.h"
#include "testregistry.h"

#include <QLocale>
#include <QTest>

class TstTableCells : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void row_data()
    {
        QTest::addColumn<bool>("twelveHour");
        QTest::addColumn<QStringList>("row");
        QTest::newRow("24-hour") << false << QStringList{"2",     "Mon 03 Apr 00",
                                                         "21:05", "1 hrs 05 mins 09 secs",
                                                         "£0.45", "Peak Rate"};
        QTest::newRow("12-hour") << true << QStringList{"2",
                                                        "Mon 03 Apr 00",
                                                        "09:05 " + QLocale().pmText(),
                                                        "1 hrs 05 mins 09 secs",
                                                        "£0.45",
                                                        "Peak Rate"};
    }
    void row()
    {
        QFETCH(bool, twelveHour);
        QFETCH(QStringList, row);
        const ConnectionRecord record =
            costedRecord("2000-04-03", "21:05:00", 1, 5, 9, 0.45f, "Peak Rate");
        QCOMPARE(TableCells::row(record, 2, twelveHour), std::optional<QStringList>(row));
    }

    void unreadableFieldsGiveNoRow_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("start");
        QTest::newRow("date") << "not a day"
                              << "10:00:00";
        QTest::newRow("start time") << "2000-04-03"
                                    << "25:99:00";
    }
    void unreadableFieldsGiveNoRow()
    {
        QFETCH(QString, date);
        QFETCH(QString, start);
        QVERIFY(!TableCells::row(costedRecord(date, start, 0, 0, 1, 0.0f), 1, false));
    }
};

DIALTRAK_TEST(TstTableCells)
#include "tst_tablecells.moc"
