#include "costedrecord.h"
#include "fixedclock.h"
#include "log/connectiontable.h"
#include "recordingprogress.h"
#include "testregistry.h"
#include "views/statisticsview.h"
#include "views/viewcolours.h"

#include <QFrame>
#include <QGroupBox>
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
        view.refresh();
    }
    QString text(const char* name) const
    {
        return view.findChild<QLabel*>(QLatin1String(name))->text();
    }
    QScrollBar* bar(const char* name) const
    {
        return view.findChild<QScrollBar*>(QLatin1String(name));
    }
    QSpinBox* weeks() const { return view.findChild<QSpinBox*>("since2"); }
};
} // namespace

class TstStatisticsView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void designCaptions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Label21") << "Label21"
                                 << "Statistics for the last";
        QTest::newRow("Label22") << "Label22"
                                 << "weeks (from..";
        QTest::newRow("Label32") << "Label32"
                                 << "Total Time and Cost";
        QTest::newRow("Label31") << "Label31"
                                 << "Average Time and Cost per week";
        QTest::newRow("Label8") << "Label8"
                                << "Statistics from";
        QTest::newRow("Label30") << "Label30"
                                 << "to";
        QTest::newRow("Label11") << "Label11"
                                 << "(0 days)";
        QTest::newRow("Label3") << "Label3"
                                << "Total Time and Cost";
        QTest::newRow("Label24") << "Label24"
                                 << "Average Time and Cost per day";
        QTest::newRow("Label25") << "Label25"
                                 << "Average connection Time and Cost";
    }
    void designCaptions()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        ConnectionTable table;
        FixedClock clock;
        RecordingProgress progress;
        StatisticsView view(table, clock, progress);
        QCOMPARE(view.findChild<QGroupBox*>("Picture1")->title(),
                 QString("Statistics for Internet Connections"));
        QCOMPARE(view.findChild<QLabel*>(name)->text(), caption);
    }

    void loadSetsTheLimitsAndFigures()
    {
        Fixture f;
        QCOMPARE(f.bar("since")->maximum(), 21);
        QCOMPARE(f.bar("sto")->maximum(), 1);
        QCOMPARE(f.weeks()->maximum(), 3);
        QCOMPARE(f.text("Label7"), QString("Fri 28 Apr 00"));
        QCOMPARE(f.text("Label11"), QString("(1 days)"));
        QCOMPARE(f.text("Label2"), QString("0 hrs 0 mins 0 secs"));
        QCOMPARE(f.text("Label20"), QString("1"));
        QCOMPARE(f.text("Label22"), QString("week(s) (from Sat 22 Apr 00)"));
        QCOMPARE(f.text("Label18"), QString("0 hrs 30 mins 0 secs"));
        QCOMPARE(f.text("Label23"), QString("0 hrs 20 mins 0 secs"));
        QCOMPARE(f.text("Label4"), QString("£0.20"));
    }

    // The bar runs from the oldest day at its left to today at its right.
    void dayBarKeys_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("since");
        QTest::addColumn<QString>("firstDay");
        QTest::addColumn<QString>("days");
        QTest::newRow("left arrow: one day further back")
            << QList<int>{Qt::Key_Left} << 2 << "Thu 27 Apr 00"
            << "(2 days)";
        QTest::newRow("page: seven days") << QList<int>{Qt::Key_PageUp} << 8 << "Fri 21 Apr 00"
                                          << "(8 days)";
        QTest::newRow("right arrow: back toward today")
            << QList<int>{Qt::Key_PageUp, Qt::Key_Right} << 7 << "Sat 22 Apr 00"
            << "(7 days)";
        QTest::newRow("no further than the first connection")
            << QList<int>{Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_PageUp} << 21
            << "Sat 08 Apr 00"
            << "(21 days)";
    }
    void dayBarKeys()
    {
        QFETCH(QList<int>, keys);
        QFETCH(int, since);
        QFETCH(QString, firstDay);
        QFETCH(QString, days);
        Fixture f;
        for (int key : keys)
            QTest::keyClick(f.bar("since"), Qt::Key(key));
        QCOMPARE(f.bar("since")->value(), since);
        QCOMPARE(f.bar("sto")->maximum(), since);
        QCOMPARE(f.text("Label7"), firstDay);
        QCOMPARE(f.text("Label33"), QString("Fri 28 Apr 00"));
        QCOMPARE(f.text("Label11"), days);
    }

    void arrowButtonsMoveTheWayTheyPoint()
    {
        Fixture f;
        QScrollBar* since = f.bar("since");
        since->resize(300, 20);
        const int inside = since->height() / 2;
        QTest::mouseClick(since, Qt::LeftButton, {}, QPoint(inside, inside));
        QCOMPARE(since->value(), 2);
        QTest::mouseClick(since, Qt::LeftButton, {}, QPoint(since->width() - inside, inside));
        QCOMPARE(since->value(), 1);
    }

    void spanFollowsBothBars()
    {
        Fixture f;
        f.bar("since")->setValue(10);
        f.bar("sto")->setValue(8);
        QCOMPARE(f.text("Label7"), QString("Wed 19 Apr 00"));
        QCOMPARE(f.text("Label33"), QString("Fri 21 Apr 00"));
        QCOMPARE(f.text("Label2"), QString("0 hrs 20 mins 0 secs"));
        QCOMPARE(f.text("Label27"), QString("0 hrs 6 mins 40 secs"));
        // A start nearer than the end pulls the end along: one day.
        f.bar("since")->setValue(5);
        QCOMPARE(f.bar("sto")->value(), 5);
        QCOMPARE(f.text("Label33"), QString("Mon 24 Apr 00"));
        QCOMPARE(f.text("Label11"), QString("(1 days)"));
        QCOMPARE(f.text("Label2"), QString("0 hrs 0 mins 0 secs"));
    }

    void weeksKeys_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("weeks");
        QTest::addColumn<QString>("total");
        QTest::newRow("up arrow adds a week")
            << QList<int>{Qt::Key_Up} << 2 << "0 hrs 50 mins 0 secs";
        QTest::newRow("down arrow never below one")
            << QList<int>{Qt::Key_Down} << 1 << "0 hrs 30 mins 0 secs";
        QTest::newRow("page: four weeks, as far as the first connection")
            << QList<int>{Qt::Key_PageUp} << 3 << "1 hrs 0 mins 0 secs";
    }
    void weeksKeys()
    {
        QFETCH(QList<int>, keys);
        QFETCH(int, weeks);
        QFETCH(QString, total);
        Fixture f;
        f.table.append(costedRecord("2000-04-29", "10:00:00", 0, 0, 0, 0.0f));
        for (int key : keys)
            QTest::keyClick(f.weeks(), Qt::Key(key));
        QCOMPARE(f.weeks()->value(), weeks);
        QCOMPARE(f.text("Label20"), QString::number(weeks));
        QCOMPARE(f.text("Label18"), total);
    }

    void aShorterTablePullsTheValuesIn()
    {
        Fixture f;
        f.bar("since")->setValue(15);
        f.bar("sto")->setValue(10);
        f.weeks()->setValue(3);
        loadTableOfOne(f.table);
        f.view.refresh();
        QCOMPARE(f.bar("since")->value(), 1);
        QCOMPARE(f.bar("sto")->value(), 1);
        QCOMPARE(f.weeks()->value(), 1);
        QCOMPARE(f.text("Label11"), QString("(1 days)"));
        QCOMPARE(f.text("Label20"), QString("1"));
        QCOMPARE(f.text("Label2"), QString("0 hrs 0 mins 5 secs"));
    }

    void statloadClearsTheStatusOnly()
    {
        Fixture f;
        f.clock.set(QDateTime(QDate(2000, 5, 28), QTime(12, 0)));
        f.view.statload();
        QCOMPARE(f.progress.statuses, QStringList{QString()});
        QCOMPARE(f.text("Label33"), QString("Fri 28 Apr 00"));
    }

    void colours()
    {
        Fixture f;
        ViewColours colours;
        colours.mainBackground = Qt::darkBlue;
        colours.mainText = Qt::yellow;
        colours.secondaryBackground = Qt::lightGray;
        colours.secondaryText = Qt::darkRed;
        f.view.setstatcols(colours);
        for (const char* panel : {"Picture2", "Picture3", "Picture4"})
            QCOMPARE(f.view.findChild<QFrame*>(panel)->palette().color(QPalette::Window),
                     QColor(Qt::darkBlue));
        QLabel* heading = f.view.findChild<QLabel*>("Label22");
        QCOMPARE(heading->palette().color(QPalette::WindowText), QColor(Qt::yellow));
        QLabel* value = f.view.findChild<QLabel*>("Label19");
        QCOMPARE(value->palette().color(QPalette::Window), QColor(Qt::lightGray));
        QCOMPARE(value->palette().color(QPalette::WindowText), QColor(Qt::darkRed));
    }

private:
    static void loadTableOfOne(ConnectionTable& table)
    {
        table.clear();
        table.append(costedRecord("2000-04-28", "10:00:00", 0, 0, 5, 0.0f));
    }
};

DIALTRAK_TEST(TstStatisticsView)
#include "tst_statisticsview.moc"
