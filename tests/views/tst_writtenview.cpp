#include "log/connectiontable.h"
#include "recordingprogress.h"
#include "testregistry.h"
#include "views/writtenview.h"
#include "viewtable.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTest>

using Records = QList<ConnectionRecord>;

class TstWrittenView : public QObject
{
    Q_OBJECT

    static QStringList lines(const WrittenView& view)
    {
        QStringList result;
        for (int row = 0; row < view.list()->count(); ++row)
            result << view.list()->item(row)->text();
        return result;
    }
    static QString label(const WrittenView& view, const char* name)
    {
        return view.findChild<QLabel*>(QLatin1String(name))->text();
    }
    // Selects the list rows given, and nothing else.
    static void select(WrittenView& view, const QList<int>& rows)
    {
        view.list()->clearSelection();
        for (int row : rows)
            view.list()->item(row)->setSelected(true);
    }

private Q_SLOTS:
    void controls()
    {
        ConnectionTable table;
        RecordingProgress progress;
        WrittenView view(table, progress);
        QCOMPARE(view.findChild<QGroupBox*>("fstart")->title(),
                 QString("Connections to the Internet established-"));
        QListWidget* start = view.findChild<QListWidget*>("start");
        QVERIFY(start);
        QCOMPARE(start->selectionMode(), QAbstractItemView::ExtendedSelection);
        QCOMPARE(start->font().family(), QString("Courier New"));
        QCOMPARE(start->font().styleHint(), QFont::TypeWriter);
        QCOMPARE(start->font().pointSizeF(), 9.0);
        QVERIFY(view.findChild<QWidget*>("stotal"));
        QLabel* tipl = view.findChild<QLabel*>("tipl");
        QCOMPARE(tipl->text(), QString("Totals for the 0 selected connection(s)-"));
        QVERIFY(tipl->font().bold());
    }

    void fill_data()
    {
        QTest::addColumn<Records>("records");
        QTest::addColumn<bool>("twelveHour");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("empty table") << Records{} << false << QStringList{};
        QTest::newRow("same day adjacent, new day after one empty line")
            << Records{costedRecord("2000-04-03", "21:05:00", 1, 5, 9, 0.45f, "Peak Rate"),
                       costedRecord("2000-04-03", "22:00:00", 0, 0, 30, 0.1f),
                       costedRecord("2000-04-04", "08:15:00", 0, 12, 30, 0.2f, "Reconnection")}
            << false
            << QStringList{
                   "",
                   "001: Connected on Mon 03 Apr 00, 21:05 for 1 hrs 05 mins 09 secs costing "
                   "£0.45 -Peak Rate",
                   "002: Connected on Mon 03 Apr 00, 22:00 for 0 hrs 00 mins 30 secs costing "
                   "£0.10 -",
                   "",
                   "003: Connected on Tue 04 Apr 00, 08:15 for 0 hrs 12 mins 30 secs costing "
                   "£0.20 -Reconnection"};
        QTest::newRow("12-hour clock")
            << Records{costedRecord("2000-04-03", "21:05:00", 0, 1, 0, 0.05f)} << true
            << QStringList{"", QString("001: Connected on Mon 03 Apr 00, 09:05 %1 for 0 hrs 01 "
                                       "mins 00 secs costing £0.05 -")
                                   .arg(QLocale().pmText())};
    }
    void fill()
    {
        QFETCH(Records, records);
        QFETCH(bool, twelveHour);
        QFETCH(QStringList, expected);
        ConnectionTable table;
        loadTable(table, records);
        RecordingProgress progress;
        WrittenView view(table, progress);

        QVERIFY(view.displaywritten(twelveHour));
        QCOMPARE(lines(view), expected);
        QVERIFY(table.writtenViewCurrent);
        QCOMPARE(progress.statuses.first(), QString("Displaying information..."));
        QCOMPARE(progress.statuses.last(), QString());
        QVERIFY(!progress.enabled);
        QCOMPARE(progress.values.last(), 0);
        if (!expected.isEmpty()) {
            QCOMPARE(progress.values.at(progress.values.size() - 2), 100);
            QCOMPARE(view.list()->currentRow(), expected.size() - 1);
        }
        QVERIFY(view.selectedLines().isEmpty());
    }

    void unreadableConnectionStopsTheFill()
    {
        ConnectionTable table;
        loadTable(table, {costedRecord("2000-04-03", "21:05:00", 0, 0, 1, 0.0f),
                          costedRecord("2000-04-03", "25:99:00", 0, 0, 1, 0.0f),
                          costedRecord("2000-04-03", "22:05:00", 0, 0, 1, 0.0f)});
        table.writtenViewCurrent = true;
        RecordingProgress progress;
        WrittenView view(table, progress);

        QVERIFY(!view.displaywritten(false));
        QCOMPARE(lines(view).size(), 2);
        QVERIFY(lines(view).at(1).startsWith("001: "));
        // Not current, so the next switch to the view tries again; status and progress stay.
        QVERIFY(!table.writtenViewCurrent);
        QCOMPARE(progress.statuses.last(), QString("Displaying information..."));
        QVERIFY(progress.enabled);
    }

    void selectedLinesInListOrder()
    {
        ConnectionTable table;
        fillTwoADay(table, 5);
        RecordingProgress progress;
        WrittenView view(table, progress);
        QVERIFY(view.displaywritten(false));
        // "", 001, 002, "", 003, 004, "", 005
        select(view, {6, 1, 4});
        const QStringList selected = view.selectedLines();
        QCOMPARE(selected.size(), 3);
        QVERIFY(selected.at(0).startsWith("001: "));
        QVERIFY(selected.at(1).startsWith("003: "));
        QCOMPARE(selected.at(2), QString());
    }

    void doubleClickClearsTheSelection()
    {
        ConnectionTable table;
        fillTwoADay(table, 60);
        RecordingProgress progress;
        WrittenView view(table, progress);
        view.resize(500, 200);
        view.show();
        QVERIFY(view.displaywritten(false));
        QListWidget* start = view.list();
        start->scrollToTop();
        select(view, {1, 2});
        QCOMPARE(label(view, "tipl"), QString("Totals for the 2 selected connection(s)-"));

        QTest::mouseDClick(start->viewport(), Qt::LeftButton, {},
                           start->visualItemRect(start->item(1)).center());
        QVERIFY(view.selectedLines().isEmpty());
        QCOMPARE(start->currentRow(), start->count() - 1);
        QCOMPARE(label(view, "tipl"), QString("Totals for the 0 selected connection(s)-"));
        QCOMPARE(label(view, "ltime"), QString());
        QVERIFY(start->viewport()->rect().intersects(
            start->visualItemRect(start->item(start->count() - 1))));
    }

    void doubleClickOnAnEmptyList()
    {
        ConnectionTable table;
        RecordingProgress progress;
        WrittenView view(table, progress);
        QVERIFY(view.displaywritten(false));
        view.start_DblClick();
        QCOMPARE(view.list()->count(), 0);
        QCOMPARE(label(view, "tipl"), QString("Totals for the 0 selected connection(s)-"));
    }

    void rightClick_data()
    {
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<bool>("selectionMenu");
        QTest::newRow("lines selected") << QList<int>{1, 2} << true;
        QTest::newRow("a separator selected") << QList<int>{0} << true;
        QTest::newRow("nothing selected") << QList<int>{} << false;
    }
    void rightClick()
    {
        QFETCH(QList<int>, rows);
        QFETCH(bool, selectionMenu);
        ConnectionTable table;
        fillTwoADay(table, 6);
        RecordingProgress progress;
        WrittenView view(table, progress);
        QMenu popbit("Selected Connections");
        popbit.addAction("Edit extra connection information");
        QMenu nosel("There are no selections");
        nosel.addAction("There are no connections selected");
        view.setContextMenus(&popbit, &nosel);
        view.resize(500, 300);
        view.show();
        QVERIFY(view.displaywritten(false));
        select(view, rows);
        const QStringList before = view.selectedLines();

        QListWidget* start = view.list();
        QTest::mouseClick(start->viewport(), Qt::RightButton, {},
                          start->visualItemRect(start->item(4)).center());
        QCOMPARE(view.selectedLines(), before);
        QCOMPARE(popbit.isVisible(), selectionMenu);
        QCOMPARE(nosel.isVisible(), !selectionMenu);
        popbit.hide();
        nosel.hide();
    }
};

DIALTRAK_TEST(TstWrittenView)
#include "tst_writtenview.moc"
