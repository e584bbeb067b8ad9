#include "log/connectiontable.h"
#include "recordingprogress.h"
#include "testregistry.h"
#include "views/tablesort.h"
#include "views/tableview.h"
#include "viewtable.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QMenu>
#include <QTableWidget>
#include <QTest>

using Records = QList<ConnectionRecord>;

class TstTableView : public QObject
{
    Q_OBJECT

    static QStringList columnTexts(const TableView& view, int c)
    {
        QStringList texts;
        for (int r = 0; r < view.grid()->rowCount(); ++r)
            texts << view.grid()->item(r, c)->text();
        return texts;
    }
    static QString caption(const TableView& view) { return view.frame()->title(); }

private Q_SLOTS:
    void header_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("alignment");
        QTest::newRow("number") << 0 << " Number" << int(Qt::AlignHCenter);
        QTest::newRow("date") << 1 << "     Date      " << int(Qt::AlignRight);
        QTest::newRow("start time") << 2 << "Start time " << int(Qt::AlignHCenter);
        QTest::newRow("time online") << 3 << "     Time online       " << int(Qt::AlignHCenter);
        QTest::newRow("cost") << 4 << "    Cost   " << int(Qt::AlignHCenter);
        QTest::newRow("other info") << 5 << " Other Info      " << int(Qt::AlignLeft);
    }
    void header()
    {
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(int, alignment);
        ConnectionTable table;
        fillTwoADay(table, 3);
        RecordingProgress progress;
        TableView view(table, progress);
        QVERIFY(view.displaygrid(false));
        QTableWidget* grid = view.findChild<QTableWidget*>("grid1");
        QCOMPARE(grid->columnCount(), 6);
        const QTableWidgetItem* header = grid->horizontalHeaderItem(column);
        QCOMPARE(header->text(), text);
        QCOMPARE(int(Qt::Alignment(header->textAlignment()) & Qt::AlignHorizontal_Mask), alignment);
        QCOMPARE(
            int(Qt::Alignment(grid->item(0, column)->textAlignment()) & Qt::AlignHorizontal_Mask),
            alignment);
        QVERIFY(grid->columnWidth(column) >=
                QFontMetrics(grid->horizontalHeader()->font()).horizontalAdvance(text));
    }

    void cells()
    {
        const QStringList row{"2",     "Mon 03 Apr 00", "21:05", "1 hrs 05 mins 09 secs",
                              "£0.45", "Peak Rate"};
        ConnectionTable table;
        loadTable(table, {costedRecord("2000-04-02", "10:00:00", 0, 0, 1, 0.0f),
                          costedRecord("2000-04-03", "21:05:00", 1, 5, 9, 0.45f, "Peak Rate")});
        RecordingProgress progress;
        TableView view(table, progress);
        QVERIFY(view.displaygrid(false));
        QCOMPARE(view.grid()->rowCount(), 2);
        QStringList texts;
        for (int c = 0; c < 6; ++c)
            texts << view.grid()->item(1, c)->text();
        QCOMPARE(texts, row);
        QCOMPARE(
            caption(view),
            QString("Connections to the Internet established, sorted by connection number..."));
        QVERIFY(table.tableViewCurrent);
        QCOMPARE(progress.statuses, QStringList({"Displaying information...", QString()}));
        QVERIFY(!progress.enabled);
        QCOMPARE(progress.values.last(), 0);
    }

    void bytesShowAfterTheDesignsColumnsAndSortExactly()
    {
        // Where the source records bytes: in units a reader takes in, the exact count in the
        // tip, and sorted by the count, not by the text (850 kB before 1.2 MB).
        ConnectionTable table;
        fillTwoADay(table, 3);
        table[1].receivedBytes = 1200000;
        table[2].receivedBytes = 850000;
        table[2].sentBytes = 0;
        RecordingProgress progress;
        TableView view(table, progress);
        QVERIFY(view.displaygrid(false));
        QTableWidget* grid = view.grid();
        QCOMPARE(grid->columnCount(), 8);
        QCOMPARE(grid->horizontalHeaderItem(TableSort::Received)->text().trimmed(), "Received");
        QCOMPARE(columnTexts(view, TableSort::Received), (QStringList{"1.2 MB", "850.0 kB", ""}));
        QCOMPARE(grid->item(0, TableSort::Received)->toolTip(), "1,200,000 bytes");
        view.setCurrentColumn(TableSort::Received);
        view.grid_click();
        QCOMPARE(columnTexts(view, 0), (QStringList{"2", "1", "3"}));
        QCOMPARE(caption(view), "Connections to the Internet established, sorted by bytes "
                                "received...");
    }

    // The main window's table is about 840 pixels wide at its first size; a long note or a
    // narrower window never pushes the volume off-screen, and the note's tip shows it whole.
    void everyColumnFitsTheWindow_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("narrowedTo");
        QTest::newRow("the window's first size") << 840 << 840;
        QTest::newRow("made narrower") << 840 << 800;
    }
    void everyColumnFitsTheWindow()
    {
        QFETCH(int, width);
        QFETCH(int, narrowedTo);
        ConnectionTable table;
        fillTwoADay(table, 3);
        const QString note = "Called the bank about the bill, then read the news for an hour";
        table[2].otherinfo = note;
        table[3].sentBytes = 123456789;
        table[3].receivedBytes = 9876543210;
        RecordingProgress progress;
        TableView view(table, progress);
        view.resize(width, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QVERIFY(view.displaygrid(false));
        view.resize(narrowedTo, 400);
        QTableWidget* grid = view.grid();
        QTRY_VERIFY(grid->viewport()->width() < narrowedTo);
        const int received = TableSort::Received;
        QTRY_VERIFY(grid->columnViewportPosition(received) + grid->columnWidth(received) <=
                    grid->viewport()->width());
        QCOMPARE(grid->item(1, TableSort::OtherInfo)->toolTip(), note);
    }

    void unreadableConnectionStopsTheFill()
    {
        ConnectionTable table;
        loadTable(table, {costedRecord("2000-04-02", "10:00:00", 0, 0, 1, 0.0f),
                          costedRecord("not a day", "10:00:00", 0, 0, 1, 0.0f),
                          costedRecord("2000-04-04", "10:00:00", 0, 0, 1, 0.0f)});
        table.tableViewCurrent = true;
        RecordingProgress progress;
        TableView view(table, progress);
        QVERIFY(!view.displaygrid(false));
        QVERIFY(!table.tableViewCurrent);
        QCOMPARE(view.grid()->item(0, 0)->text(), QString("1"));
        QVERIFY(!view.grid()->item(1, 0));
        QCOMPARE(progress.statuses.last(), QString("Displaying information..."));
        QVERIFY(progress.enabled);

        // The rows never written sort like any others, without harm.
        view.setCurrentColumn(TableSort::StartTime);
        view.grid_click();
        QCOMPARE(view.grid()->item(0, 0)->text(), QString("1"));
    }

    void sort_data()
    {
        QTest::addColumn<Records>("records");
        QTest::addColumn<bool>("twelveHour");
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("numbers");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("captionEnd");

        const QString day = "2000-04-03";
        QTest::newRow("time online: 12 hours after 59 minutes, 10 hours after 2")
            << Records{costedRecord(day, "10:00:00", 12, 0, 0, 0.0f),
                       costedRecord(day, "10:00:00", 0, 59, 0, 0.0f),
                       costedRecord(day, "10:00:00", 10, 0, 0, 0.0f),
                       costedRecord(day, "10:00:00", 2, 0, 0, 0.0f),
                       costedRecord(day, "10:00:00", 0, 0, 59, 0.0f)}
            << false << 3 << QStringList{"5", "2", "4", "3", "1"} << "Sorting by time online..."
            << "time online...";
        QTest::newRow("start time, 12-hour texts: 09:05 PM after 10:00 AM")
            << Records{costedRecord(day, "21:05:00", 0, 0, 1, 0.0f),
                       costedRecord(day, "10:00:00", 0, 0, 1, 0.0f),
                       costedRecord(day, "00:30:00", 0, 0, 1, 0.0f),
                       costedRecord(day, "12:15:00", 0, 0, 1, 0.0f)}
            << true << 2 << QStringList{"3", "2", "4", "1"} << "Sorting by start time..."
            << "start time...";
        QTest::newRow("cost by value, thousands too")
            << Records{costedRecord(day, "10:00:00", 0, 0, 1, 10.0f),
                       costedRecord(day, "10:00:00", 0, 0, 1, 9.99f),
                       costedRecord(day, "10:00:00", 0, 0, 1, 1234.5f),
                       costedRecord(day, "10:00:00", 0, 0, 1, 0.45f)}
            << false << 4 << QStringList{"4", "2", "1", "3"} << "Sorting by cost..."
            << "cost...";
        QTest::newRow("other information: empty first, case ignored")
            << Records{costedRecord(day, "10:00:00", 0, 0, 1, 0.0f, "banana"),
                       costedRecord(day, "10:00:00", 0, 0, 1, 0.0f, "Cherry"),
                       costedRecord(day, "10:00:00", 0, 0, 1, 0.0f),
                       costedRecord(day, "10:00:00", 0, 0, 1, 0.0f, "Apple"),
                       costedRecord(day, "10:00:00", 0, 0, 1, 0.0f, "apple")}
            << false << 5 << QStringList{"3", "4", "5", "1", "2"}
            << "Sorting by other information..."
            << "other information...";
        QTest::newRow("equal keys keep their order")
            << Records{costedRecord(day, "10:00:00", 0, 1, 0, 0.2f),
                       costedRecord(day, "10:00:00", 0, 1, 0, 0.1f),
                       costedRecord(day, "10:00:00", 0, 1, 0, 0.2f),
                       costedRecord(day, "10:00:00", 0, 1, 0, 0.1f)}
            << false << 4 << QStringList{"2", "4", "1", "3"} << "Sorting by cost..."
            << "cost...";
        Records many;
        QStringList cheapFirst, dearAfter;
        for (int n = 1; n <= 40; ++n) {
            const bool dear = (n * 7) % 3 == 0;
            many << costedRecord(day, "10:00:00", 0, 1, 0, dear ? 0.2f : 0.1f);
            (dear ? dearAfter : cheapFirst) << QString::number(n);
        }
        QTest::newRow("equal keys keep their order, many rows")
            << many << false << 4 << cheapFirst + dearAfter << "Sorting by cost..."
            << "cost...";
        QTest::newRow("date sorts by number")
            << Records{costedRecord("2000-04-05", "10:00:00", 0, 0, 1, 0.0f),
                       costedRecord("2000-04-01", "10:00:00", 0, 0, 1, 0.0f),
                       costedRecord("2000-04-03", "10:00:00", 0, 0, 1, 0.0f)}
            << false << 1 << QStringList{"1", "2", "3"} << "Sorting by connection number..."
            << "date...";
    }
    void sort()
    {
        QFETCH(Records, records);
        QFETCH(bool, twelveHour);
        QFETCH(int, column);
        QFETCH(QStringList, numbers);
        QFETCH(QString, status);
        QFETCH(QString, captionEnd);
        ConnectionTable table;
        loadTable(table, records);
        RecordingProgress progress;
        TableView view(table, progress);
        QVERIFY(view.displaygrid(twelveHour));
        // A row's cells travel together.
        QHash<QString, QStringList> rowOf;
        for (int r = 0; r < view.grid()->rowCount(); ++r) {
            for (int c = 0; c < 6; ++c)
                rowOf[view.grid()->item(r, 0)->text()] << view.grid()->item(r, c)->text();
        }
        progress.statuses.clear();

        view.setCurrentColumn(column);
        view.grid_click();
        QCOMPARE(columnTexts(view, 0), numbers);
        for (int r = 0; r < view.grid()->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < 6; ++c)
                cells << view.grid()->item(r, c)->text();
            QCOMPARE(cells, rowOf.value(numbers.at(r)));
        }
        QCOMPARE(progress.statuses, QStringList({status, "Displaying results...", QString()}));
        QCOMPARE(caption(view), "Connections to the Internet established, sorted by " + captionEnd);
        QVERIFY(!progress.enabled);
        QCOMPARE(progress.values.last(), 0);
        QVERIFY(table.tableViewCurrent);
        QCOMPARE(table[1].conndate, records.at(0).conndate);

        // Sorting again changes nothing.
        view.setCurrentColumn(column);
        view.grid_click();
        QCOMPARE(columnTexts(view, 0), numbers);
    }

    void sortKeys_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("higher");
        QTest::newRow("number below text") << 0 << "7"
                                           << "";
        QTest::newRow("numbers numerically") << 0 << "9"
                                             << "10";
        QTest::newRow("thousands") << 4 << "£999.99"
                                   << "£1,234.50";
        QTest::newRow("unreadable start time after every time") << 2 << "23:59"
                                                                << "";
        QTest::newRow("texts by character codes") << 0 << "Zebra"
                                                  << "apple";
        QTest::newRow("other information ignoring case") << 5 << "banana"
                                                         << "Cherry";
    }
    void sortKeys()
    {
        QFETCH(int, column);
        QFETCH(QString, lower);
        QFETCH(QString, higher);
        const TableSort::Key low = TableSort::key(column, lower);
        const TableSort::Key high = TableSort::key(column, higher);
        QVERIFY(TableSort::less(low, high));
        QVERIFY(!TableSort::less(high, low));
    }

    void emptyGridSortsToNoHarm()
    {
        ConnectionTable table;
        RecordingProgress progress;
        TableView view(table, progress);
        QVERIFY(view.displaygrid(false));
        QCOMPARE(view.grid()->rowCount(), 0);
        view.setCurrentColumn(TableSort::Cost);
        view.grid_click();
        QCOMPARE(view.grid()->rowCount(), 0);
        QCOMPARE(caption(view),
                 QString("Connections to the Internet established, sorted by cost..."));
    }

    void refillRestoresNumberOrder()
    {
        ConnectionTable table;
        fillTwoADay(table, 6);
        RecordingProgress progress;
        TableView view(table, progress);
        QVERIFY(view.displaygrid(false));
        view.setCurrentColumn(TableSort::StartTime);
        view.grid_click();
        QCOMPARE(columnTexts(view, 0), QStringList({"1", "3", "5", "2", "4", "6"}));
        QVERIFY(view.displaygrid(false));
        QCOMPARE(columnTexts(view, 0), QStringList({"1", "2", "3", "4", "5", "6"}));
        QCOMPARE(
            caption(view),
            QString("Connections to the Internet established, sorted by connection number..."));
    }

    void keyPressSorts()
    {
        ConnectionTable table;
        loadTable(table, {costedRecord("2000-04-03", "10:00:00", 0, 0, 1, 0.3f),
                          costedRecord("2000-04-03", "10:00:00", 0, 0, 1, 0.1f),
                          costedRecord("2000-04-03", "10:00:00", 0, 0, 1, 0.2f)});
        RecordingProgress progress;
        TableView view(table, progress);
        view.show();
        QVERIFY(view.displaygrid(false));
        view.grid()->setCurrentCell(0, TableSort::TimeOnline);
        // Moving the current cell from the keyboard does not sort.
        QTest::keyClick(view.grid(), Qt::Key_Right);
        QCOMPARE(view.currentColumn(), int(TableSort::Cost));
        QCOMPARE(columnTexts(view, 0), QStringList({"1", "2", "3"}));
        QTest::keyClick(view.grid(), Qt::Key_Q);
        QCOMPARE(columnTexts(view, 0), QStringList({"2", "3", "1"}));
        QCOMPARE(caption(view),
                 QString("Connections to the Internet established, sorted by cost..."));
    }

    void mousePressChoosesTheCellAndPopsUpTheMenu_data()
    {
        QTest::addColumn<int>("button");
        QTest::newRow("left") << int(Qt::LeftButton);
        QTest::newRow("right") << int(Qt::RightButton);
    }
    void mousePressChoosesTheCellAndPopsUpTheMenu()
    {
        QFETCH(int, button);
        ConnectionTable table;
        fillTwoADay(table, 4);
        RecordingProgress progress;
        TableView view(table, progress);
        QMenu ttt("tip");
        ttt.addAction("Sort the table by this column");
        view.setSortMenu(&ttt);
        view.resize(800, 300);
        view.show();
        QVERIFY(view.displaygrid(false));
        view.grid()->scrollToTop();
        QTableWidget* grid = view.grid();
        const QRect cell = grid->visualItemRect(grid->item(1, TableSort::OtherInfo));
        QTest::mousePress(grid->viewport(), Qt::MouseButton(button), {}, cell.center());
        QCOMPARE(view.currentColumn(), int(TableSort::OtherInfo));
        QCOMPARE(grid->currentRow(), 1);
        QVERIFY(ttt.isVisible());
        ttt.hide();

        view.popcancel();
        QCOMPARE(view.currentColumn(), 0);
        view.grid_click();
        QCOMPARE(
            caption(view),
            QString("Connections to the Internet established, sorted by connection number..."));
    }
};

DIALTRAK_TEST(TstTableView)
#include "tst_tableview.moc"
