#include "costedrecord.h"
#include "fixedclock.h"
#include "log/connectiontable.h"
#include "recordingprogress.h"
#include "testregistry.h"
#include "views/graphaxis.h"
#include "views/graphpicture.h"
#include "views/graphview.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

namespace
{
// From the bottom of the scale to its top.
const QStringList AxisNames{"Label16", "Label9",  "Label5",  "Label13", "Label15",
                            "Label10", "Label14", "Label12", "Label17"};

// Two calls on 3 April and one on 4 April, today 4 April.
struct Fixture {
    ConnectionTable table;
    FixedClock clock{QDateTime(QDate(2000, 4, 4), QTime(12, 0))};
    RecordingProgress progress;
    GraphView view{table, clock, progress};

    Fixture()
    {
        table.append(costedRecord("2000-04-03", "10:00:00", 0, 30, 0, 0.3f));
        table.append(costedRecord("2000-04-03", "11:00:00", 0, 50, 0, 0.2f));
        table.append(costedRecord("2000-04-04", "10:00:00", 0, 20, 0, 0.8f));
        view.resize(600, 400);
        view.show();
        view.graphload();
    }
    template <typename T> T* child(const QString& name) const { return view.findChild<T*>(name); }
    QString barLabels() const
    {
        QStringList labels;
        for (const GraphPlot::Bar& bar : view.picture()->plot().bars)
            labels << bar.label;
        return labels.join('|');
    }
};
} // namespace

class TstGraphView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void optionsRedraw_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("bars");
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("checkCaption");
        QTest::newRow("at first: time per connection") << QStringList{} << "1|2|3"
                                                       << "50mins"
                                                       << "Show connection numbers";
        QTest::newRow("costs") << QStringList{"Option1"} << "1|2|3"
                               << "£0.80"
                               << "Show connection numbers";
        QTest::newRow("days") << QStringList{"Option4"} << "Mon 3 Apr|Tue 4 Apr"
                              << "80mins"
                              << "Show dates";
        QTest::newRow("days, then connections again")
            << QStringList{"Option4", "Option3"} << "1|2|3"
            << "50mins"
            << "Show connection numbers";
    }
    void optionsRedraw()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, bars);
        QFETCH(QString, top);
        QFETCH(QString, checkCaption);
        Fixture f;
        QCOMPARE(f.progress.statuses, (QStringList{"Displaying graph...", QString()}));
        QVERIFY(!f.progress.enabled);
        for (const QString& name : clicks)
            QTest::mouseClick(f.child<QRadioButton>(name), Qt::LeftButton);
        QCOMPARE(f.barLabels(), bars);
        QCOMPARE(f.child<QLabel>("Label17")->text(), top);
        QCOMPARE(f.child<QCheckBox>("Check1")->text(), checkCaption);
        QAccessibleInterface* graph = QAccessible::queryAccessibleInterface(f.view.picture());
        QCOMPARE(graph->role(), QAccessible::Chart);
        QCOMPARE(graph->text(QAccessible::Description), f.view.picture()->plot().description);
        f.child<QCheckBox>("Check1")->click();
        QVERIFY(!f.view.picture()->showsLabels());
    }

    void axisLabelsStandLevelWithTheirValues()
    {
        Fixture f;
        GraphPicture* graph = f.view.picture();
        for (const QSize size : {QSize(600, 400), QSize(1200, 800)}) {
            f.view.resize(size);
            QCoreApplication::processEvents();
            const QRect picture(graph->mapTo(&f.view, QPoint(0, 0)), graph->size());
            int above = picture.bottom() + 1;
            for (int i = 0; i < AxisNames.size(); ++i) {
                const QLabel* label = f.child<QLabel>(AxisNames.at(i));
                const QRect rect(label->mapTo(&f.view, QPoint(0, 0)), label->size());
                // Each above the one before, whole, and left of the picture.
                QVERIFY(rect.bottom() < above);
                QVERIFY(rect.top() >= picture.top() && rect.bottom() <= picture.bottom());
                QVERIFY(rect.right() <= picture.left());
                QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()));
                above = rect.top();
                const int level = picture.bottom() - i * (picture.height() - 1) / 8;
                if (i > 0 && i < AxisNames.size() - 1)
                    QVERIFY(qAbs(rect.center().y() - level) <= 1);
            }
        }
    }

    void anAxisLowerThanALineKeepsItsLabelsAtTheTop()
    {
        GraphAxis axis;
        axis.setTexts(QStringList(AxisNames.size(), "0mins"));
        axis.resize(80, 4);
        axis.grab(); // lays out as a window about to be shown does
        for (const QString& name : AxisNames)
            QCOMPARE(axis.findChild<QLabel*>(name)->y(), 0);
    }

    // Left out where it would run into the label below it or the top one, which stays.
    void axisLabelsThatWouldCollideAreLeftOut()
    {
        GraphAxis axis;
        axis.setTexts(QStringList(AxisNames.size(), "00mins"));
        axis.resize(80, 60);
        axis.grab();
        QRect below;
        for (const QString& name : AxisNames) {
            const QLabel* label = axis.findChild<QLabel*>(name);
            QVERIFY(label->isHidden() || !label->geometry().intersects(below));
            below = label->isHidden() ? below : label->geometry();
        }
        QVERIFY(!axis.findChild<QLabel*>("Label16")->isHidden());
        QVERIFY(!axis.findChild<QLabel*>("Label17")->isHidden());
    }

    // A bar too short for its number has it above its outline, at y = 118 for this one.
    void numbersStandClearOfTheirBarsOutlines()
    {
        ConnectionTable table;
        table.append(costedRecord("2000-04-04", "10:00:00", 1, 0, 0, 0));
        table.append(costedRecord("2000-04-04", "11:00:00", 0, 1, 0, 0));
        GraphPicture graph;
        graph.resize(160, 120);
        graph.setPlot(GraphPlot::plot(table, GraphPlot::Measure::Time, GraphPlot::Axis::Connections,
                                      QDate(2000, 4, 4)),
                      true);
        QCOMPARE(graph.labels().at(0).box.top(), 1);
        QVERIFY(graph.labels().at(1).box.bottom() < 118);
    }

    void barsArePainted()
    {
        Fixture f;
        GraphPicture* graph = f.view.picture();
        const QImage image = graph->grab().toImage();
        const int w = image.width();
        const int h = image.height();
        // Connection 2 is the longest and fills its slot; connection 3 stands 2/5 high.
        QCOMPARE(image.pixelColor(w / 2, h / 2), graph->fillColour());
        QCOMPARE(image.pixelColor(w * 5 / 6, h / 4), graph->palette().color(QPalette::Window));
        QCOMPARE(image.pixelColor(w * 5 / 6, h - h / 4), graph->fillColour());
        // Bars 1 and 2 meet at a third of the width, within a pixel's rounding: an outline.
        bool outlined = false;
        for (int x = w / 3 - 1; x <= w / 3 + 1; ++x)
            outlined = outlined || image.pixelColor(x, h / 2) == QColor(Qt::black);
        QVERIFY(outlined);
    }
};

DIALTRAK_TEST(TstGraphView)
#include "tst_graphview.moc"
