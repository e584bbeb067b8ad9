#include "costedrecord.h"
#include "fixedclock.h"
#include "log/connectiontable.h"
#include "recordingprogress.h"
#include "testregistry.h"
#include "views/statisticsview.h"
#include "views/viewcolours.h"

#include <QFrame>
#include <QLabel>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>

namespace
{
// Friday 28 April 2000, 20 days after the first connection.
struct Fixture {
    ConnectionTable table;
    FixedClock clock{QDateTime(QDate(2000, 4, 28), QTime(12, 0))};
    RecordingProgress progress;
    StatisticsView view{table, clock, progress};

    Fixture()
    {
        table.append(costedRecord("2000-04-08", "10:00:00", 0, 10, 0, 0.1f));
        table.append(costedRecord("2000-04-21", "10:00:00", 0, 20, 0, 0.2f));
        table.append(costedRecord("2000-04-27", "10:00:00", 0, 30, 0, 0.3f));
        table.append(costedRecord("2000-04-29", "10:00:00", 0, 0, 0, 0.0f));
        view.refresh();
    }
    QString texts(const QStringList& names) const
    {
        QStringList texts;
        for (const QString& name : names)
            texts << view.findChild<QLabel*>(name)->text();
        return texts.join('|');
    }
    QScrollBar* bar(const char* name) const { return view.findChild<QScrollBar*>(name); }
    QSpinBox* weeks() const { return view.findChild<QSpinBox*>("since2"); }
};
} // namespace

class TstStatisticsView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void designCaptions()
    {
        ConnectionTable table;
        FixedClock clock;
        RecordingProgress progress;
        StatisticsView view(table, clock, progress);
        QCOMPARE(view.frame()->title(), QString("Statistics for Internet Connections"));
        const QStringList names{"Label21", "Label22", "Label32", "Label31", "Label8",
                                "Label30", "Label11", "Label3",  "Label24", "Label25"};
        QStringList captions;
        for (const QString& name : names)
            captions << view.findChild<QLabel*>(name)->text();
        QCOMPARE(captions,
                 (QStringList{"Statistics for the last", "weeks (from..", "Total Time and Cost",
                              "Average Time and Cost per week", "Statistics from", "to", "(0 days)",
                              "Total Time and Cost", "Average Time and Cost per day",
                              "Average connection Time and Cost"}));
    }

    void loadSetsTheLimitsAndEveryFigure()
    {
        Fixture f;
        QCOMPARE(f.bar("since")->maximum(), 21);
        QCOMPARE(f.bar("sto")->maximum(), 1);
        QCOMPARE(f.weeks()->maximum(), 3);
        QCOMPARE(f.texts({"Label20", "Label22", "Label18", "Label19", "Label28", "Label29"}),
                 "1|week(s) (from Sat 22 Apr 00)|0 hrs 30 mins 0 secs|£0.30|0 hrs 30 mins 0 "
                 "secs|£0.30");
        f.bar("since")->setValue(8);
        QCOMPARE(
            f.texts({"Label7", "Label33", "Label11", "Label2", "Label6", "Label27", "Label26"}),
            "Fri 21 Apr 00|Fri 28 Apr 00|(8 days)|0 hrs 50 mins 0 secs|£0.50|0 hrs 6 mins 15 "
            "secs|£0.06");
        QCOMPARE(f.texts({"Label23", "Label4"}), "0 hrs 15 mins 0 secs|£0.15");
    }

    // The bar runs from the first connection's day at its left to today at its right.
    void dayBarKeys_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("since");
        QTest::newRow("left arrow: one day further back") << QList<int>{Qt::Key_Left} << 2;
        QTest::newRow("page: seven days") << QList<int>{Qt::Key_PageUp} << 8;
        QTest::newRow("right arrow: toward today")
            << QList<int>{Qt::Key_PageUp, Qt::Key_Right} << 7;
        QTest::newRow("no further than the first connection")
            << QList<int>(4, Qt::Key_PageUp) << 21;
    }
    void dayBarKeys()
    {
        QFETCH(QList<int>, keys);
        QFETCH(int, since);
        Fixture f;
        for (int key : keys)
            QTest::keyClick(f.bar("since"), Qt::Key(key));
        QCOMPARE(f.bar("since")->value(), since);
        QCOMPARE(f.bar("sto")->maximum(), since);
        QCOMPARE(f.texts({"Label11"}), QString("(%1 days)").arg(since));
    }

    void arrowButtonsMoveTheWayTheyPoint()
    {
        Fixture f;
        QScrollBar* since = f.bar("since");
        since->resize(300, 20);
        QTest::mouseClick(since, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(since->value(), 2);
        QTest::mouseClick(since, Qt::LeftButton, {}, QPoint(290, 10));
        QCOMPARE(since->value(), 1);
    }

    void aStartNearerThanTheEndPullsTheEndAlong()
    {
        Fixture f;
        f.bar("since")->setValue(10);
        f.bar("sto")->setValue(8);
        f.bar("since")->setValue(5);
        QCOMPARE(f.bar("sto")->value(), 5);
        QCOMPARE(f.texts({"Label7", "Label33", "Label11"}), "Mon 24 Apr 00|Mon 24 Apr 00|(1 days)");
    }

    void weeksKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("weeks");
        QTest::addColumn<QString>("total");
        QTest::newRow("up arrow adds a week") << int(Qt::Key_Up) << 2 << "0 hrs 50 mins 0 secs";
        QTest::newRow("down arrow never below one")
            << int(Qt::Key_Down) << 1 << "0 hrs 30 mins 0 secs";
        QTest::newRow("page: four weeks, as far as the first connection")
            << int(Qt::Key_PageUp) << 3 << "1 hrs 0 mins 0 secs";
    }
    void weeksKeys()
    {
        QFETCH(int, key);
        QFETCH(int, weeks);
        QFETCH(QString, total);
        Fixture f;
        QTest::keyClick(f.weeks(), Qt::Key(key));
        QCOMPARE(f.weeks()->value(), weeks);
        QCOMPARE(f.texts({"Label20", "Label18"}), QString::number(weeks) + '|' + total);
    }

    // At most 3 weeks exist: a larger number becomes 3, its last digit not dropped.
    void weeksTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("weeks");
        QTest::newRow("within the limit") << "2" << 2;
        QTest::newRow("a digit past the limit") << "10" << 3;
    }
    void weeksTyped()
    {
        QFETCH(QString, typed);
        QFETCH(int, weeks);
        Fixture f;
        f.weeks()->selectAll();
        QTest::keyClicks(f.weeks(), typed);
        QTest::keyClick(f.weeks(), Qt::Key_Return);
        QCOMPARE(f.texts({"Label20"}), QString::number(weeks));
    }

    void colours()
    {
        Fixture f;
        f.view.setstatcols({Qt::darkBlue, Qt::yellow, Qt::lightGray, Qt::darkRed});
        for (const char* panel : {"Picture2", "Picture3", "Picture4"})
            QCOMPARE(f.view.findChild<QFrame*>(panel)->palette().color(QPalette::Window),
                     QColor(Qt::darkBlue));
        const QPalette heading = f.view.findChild<QLabel*>("Label22")->palette();
        QCOMPARE(heading.color(QPalette::WindowText), QColor(Qt::yellow));
        const QPalette value = f.view.findChild<QLabel*>("Label19")->palette();
        QCOMPARE(value.color(QPalette::Window), QColor(Qt::lightGray));
        QCOMPARE(value.color(QPalette::WindowText), QColor(Qt::darkRed));
    }
};

DIALTRAK_TEST(TstStatisticsView)
#include "tst_statisticsview.moc"
