#include "statisticsview.h"

#include "focusscrollbar.h"
#include "log/connectiontable.h"
#include "platform/clock.h"
#include "platform/progresssink.h"
#include "stats/statistics.h"
#include "viewcolours.h"
#include "weekstepper.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <tuple>

namespace
{
constexpr int DaysPage = 7;
// The value columns are as wide as their longest figures, so the three panels line up.
const QString WidestTime = QStringLiteral("00000 hrs 00 mins 00 secs");
const QString WidestCost = QStringLiteral("£0,000.00");
const QString WidestHeading = QStringLiteral("Average connection Time and Cost");

// A horizontal bar whose value counts days back: today at its right end, the oldest day at its
// left, so the arrows and keys move the way the bar looks.
QScrollBar* daysBar(const QString& name, const QString& accessibleName, const QString& tip,
                    QWidget* parent)
{
    auto* bar = new FocusScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(name);
    bar->setLayoutDirection(Qt::RightToLeft);
    // Mirrored, a scroll bar's keys would otherwise move the slider against the arrow pressed.
    bar->setInvertedControls(false);
    bar->setSingleStep(1);
    bar->setPageStep(DaysPage);
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setAccessibleName(accessibleName);
    bar->setToolTip(tip);
    return bar;
}
} // namespace

StatisticsView::StatisticsView(const ConnectionTable& table, const Clock& clock,
                               ProgressSink& progress, QWidget* parent)
    : QWidget(parent), m_table(table), m_clock(clock), m_progress(progress)
{
    m_picture1 = new QGroupBox(QStringLiteral("Statistics for Internet Connections"), this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    // The panels scroll in a window made smaller than they are.
    auto* scroll = new QScrollArea(m_picture1);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setObjectName(QStringLiteral("panels"));
    scroll->setAccessibleName(QStringLiteral("Panels of figures"));
    auto* outer = new QVBoxLayout(m_picture1);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    auto* panels = new QWidget(scroll);
    m_panelsLayout = new QVBoxLayout(panels);
    QVBoxLayout* frameLayout = m_panelsLayout;

    // The last weeks.
    QFrame* weeks = panel(QStringLiteral("Picture2"));
    // Each panel its own name: otherwise all three are read by the caption of the frame.
    weeks->setAccessibleName(QStringLiteral("Last weeks"));
    auto* weeksGrid = new QGridLayout(weeks);
    auto* weeksLine = new QHBoxLayout;
    weeksLine->addWidget(
        heading(QStringLiteral("Label21"), QStringLiteral("Statistics for the last"), weeks));
    m_label20 = value(QStringLiteral("Label20"), weeks);
    m_label20->setMinimumWidth(m_label20->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    m_label20->setAlignment(Qt::AlignCenter);
    weeksLine->addWidget(m_label20);
    m_label22 = heading(QStringLiteral("Label22"), QStringLiteral("weeks (from.."), weeks);
    weeksLine->addWidget(m_label22);
    m_since2 = new WeekStepper(weeks);
    m_since2->setObjectName(QStringLiteral("since2"));
    m_since2->setAccessibleName(QStringLiteral("Statistics for the last weeks"));
    m_since2->setToolTip(QStringLiteral("Number of weeks"));
    weeksLine->addWidget(m_since2);
    weeksLine->addStretch();
    weeksGrid->addLayout(weeksLine, 0, 0, 1, 3);
    std::tie(m_label18, m_label19) =
        figureRow(weeksGrid, 1, {"Label32", "Total Time and Cost"}, "Label18", "Label19");
    std::tie(m_label28, m_label29) = figureRow(
        weeksGrid, 2, {"Label31", "Average Time and Cost per week"}, "Label28", "Label29");
    m_weeksVolume = volumeRow(weeksGrid, 3, "weeksvolume");

    // The span of days.
    QFrame* span = panel(QStringLiteral("Picture3"));
    span->setAccessibleName(QStringLiteral("Span of days"));
    auto* spanGrid = new QGridLayout(span);
    auto* spanLine = new QHBoxLayout;
    spanLine->addWidget(heading(QStringLiteral("Label8"), QStringLiteral("Statistics from"), span));
    m_label7 = value(QStringLiteral("Label7"), span);
    spanLine->addWidget(m_label7);
    spanLine->addWidget(heading(QStringLiteral("Label30"), QStringLiteral("to"), span));
    m_label33 = value(QStringLiteral("Label33"), span);
    spanLine->addWidget(m_label33);
    m_label11 = heading(QStringLiteral("Label11"), QStringLiteral("(0 days)"), span);
    spanLine->addWidget(m_label11);
    spanLine->addStretch();
    spanGrid->addLayout(spanLine, 0, 0, 1, 3);
    m_since = daysBar(QStringLiteral("since"), QStringLiteral("Statistics from"),
                      QStringLiteral("First day of the span"), span);
    m_sto = daysBar(QStringLiteral("sto"), QStringLiteral("to"),
                    QStringLiteral("Last day of the span"), span);
    spanGrid->addWidget(m_since, 1, 0, 1, 4);
    spanGrid->addWidget(m_sto, 2, 0, 1, 4);
    std::tie(m_label2, m_label6) =
        figureRow(spanGrid, 3, {"Label3", "Total Time and Cost"}, "Label2", "Label6");
    std::tie(m_label27, m_label26) =
        figureRow(spanGrid, 4, {"Label24", "Average Time and Cost per day"}, "Label27", "Label26");
    m_spanVolume = volumeRow(spanGrid, 5, "spanvolume");

    // Every connection.
    QFrame* all = panel(QStringLiteral("Picture4"));
    all->setAccessibleName(QStringLiteral("All connections"));
    auto* allGrid = new QGridLayout(all);
    std::tie(m_label23, m_label4) =
        figureRow(allGrid, 0, {"Label25", "Average connection Time and Cost"}, "Label23", "Label4");

    for (QGridLayout* grid : {weeksGrid, spanGrid, allGrid})
        alignColumns(grid);
    for (QFrame* frame : m_panels)
        frameLayout->addWidget(frame);
    frameLayout->addStretch();
    scroll->setWidget(panels);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_picture1);

    showPeriods();
    connect(m_since, &QScrollBar::valueChanged, this, &StatisticsView::since_Change);
    connect(m_sto, &QScrollBar::valueChanged, this, &StatisticsView::sto_Change);
    connect(m_since2, &QSpinBox::valueChanged, this, &StatisticsView::since2_Change);
}

std::pair<QLabel*, QLabel*> StatisticsView::figureRow(QGridLayout* grid, int row,
                                                      const Heading& rowHeading,
                                                      const char* timeName, const char* costName)
{
    QWidget* parent = grid->parentWidget();
    grid->addWidget(
        heading(QLatin1String(rowHeading.name), QLatin1String(rowHeading.caption), parent), row, 0);
    QLabel* time = value(QLatin1String(timeName), parent);
    QLabel* cost = value(QLatin1String(costName), parent);
    // A screen reader tells which figure it reads.
    time->setAccessibleDescription(QLatin1String(rowHeading.caption));
    cost->setAccessibleDescription(QLatin1String(rowHeading.caption));
    grid->addWidget(time, row, 1);
    grid->addWidget(cost, row, 2);
    return {time, cost};
}

StatisticsView::VolumeRow StatisticsView::volumeRow(QGridLayout* grid, int row, const char* name)
{
    QWidget* parent = grid->parentWidget();
    QLabel* caption = heading(QLatin1String(name) + QLatin1String("caption"),
                              QStringLiteral("Total Volume (sent and received)"), parent);
    QLabel* figure = value(QLatin1String(name), parent);
    QLabel* average = value(QLatin1String(name) + QLatin1String("average"), parent);
    figure->setAccessibleName(caption->text());
    average->setAccessibleName(QStringLiteral("Average Volume"));
    grid->addWidget(caption, row, 0);
    grid->addWidget(figure, row, 1);
    grid->addWidget(average, row, 2);
    return {caption, figure, average};
}

void StatisticsView::VolumeRow::show(const Statistics::Totals& totals) const
{
    // Only where the connections record their bytes: a modem log's never do.
    const bool shown = !totals.volume.isEmpty();
    caption->setVisible(shown);
    figure->setVisible(shown);
    average->setVisible(shown);
    figure->setText(totals.volume);
    average->setText(totals.averageVolume);
}

void StatisticsView::alignColumns(QGridLayout* grid) const
{
    const QFontMetrics metrics(font());
    const int margin = 4 * metrics.averageCharWidth();
    grid->setColumnMinimumWidth(0, metrics.horizontalAdvance(WidestHeading) + margin);
    grid->setColumnMinimumWidth(1, metrics.horizontalAdvance(WidestTime) + margin);
    grid->setColumnMinimumWidth(2, metrics.horizontalAdvance(WidestCost) + margin);
    grid->setColumnStretch(3, 1);
}

QFrame* StatisticsView::panel(const QString& name)
{
    auto* frame = new QFrame(m_picture1);
    frame->setObjectName(name);
    adoptPanel(frame);
    return frame;
}

void StatisticsView::adoptPanel(QFrame* frame)
{
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setAutoFillBackground(true);
    m_panels << frame;
}

void StatisticsView::addPanel(QFrame* panel, QGridLayout* grid, const QList<QLabel*>& headings,
                              const QList<QLabel*>& values)
{
    // After the last panel, before the stretch below them.
    m_panelsLayout->insertWidget(int(m_panels.size()), panel);
    adoptPanel(panel);
    alignColumns(grid);
    m_headings << headings;
    for (QLabel* label : values)
        adoptValue(label);
}

QLabel* StatisticsView::heading(const QString& name, const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    m_headings << label;
    return label;
}

QLabel* StatisticsView::value(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    adoptValue(label);
    return label;
}

void StatisticsView::adoptValue(QLabel* label)
{
    label->setAutoFillBackground(true);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMargin(2);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_values << label;
}

int StatisticsView::daysSinceFirst() const
{
    return StatisticsPeriods::daysSinceFirst(m_table, m_clock.today());
}

void StatisticsView::showPeriods()
{
    const QSignalBlocker blockSince(m_since);
    const QSignalBlocker blockSto(m_sto);
    const QSignalBlocker blockWeeks(m_since2);
    m_since->setRange(1, m_periods.sinceFarLimit());
    m_since->setValue(m_periods.since());
    m_sto->setRange(1, m_periods.stoFarLimit());
    m_sto->setValue(m_periods.sto());
    m_since2->setRange(1, m_periods.weeksFarLimit());
    m_since2->setValue(m_periods.weeks());
}

void StatisticsView::refresh()
{
    const int days = daysSinceFirst();
    m_periods.limitDays(days);
    m_periods.limitWeeks(days);
    showPeriods();
    findtots();
    findtots2();
}

void StatisticsView::since_Change()
{
    m_periods.setSince(m_since->value());
    m_periods.limitDays(daysSinceFirst());
    showPeriods();
    findtots();
}

void StatisticsView::sto_Change()
{
    m_periods.setSto(m_sto->value());
    showPeriods();
    findtots();
}

void StatisticsView::since2_Change()
{
    m_periods.setWeeks(m_since2->value());
    m_periods.limitWeeks(daysSinceFirst());
    showPeriods();
    findtots2();
}

void StatisticsView::findtots()
{
    const QDate today = m_clock.today();
    const Statistics::DaySpan span =
        Statistics::daySpan(m_table, m_periods.since(), m_periods.sto(), today);
    m_label7->setText(span.firstDay);
    m_label33->setText(span.lastDay);
    m_label11->setText(span.days);
    m_label2->setText(span.totals.time);
    m_label6->setText(span.totals.cost);
    m_label27->setText(span.totals.averageTime);
    m_label26->setText(span.totals.averageCost);
    m_spanVolume.show(span.totals);
    const Statistics::PerConnection average = Statistics::perConnection(m_table);
    m_label23->setText(average.time);
    m_label4->setText(average.cost);
}

void StatisticsView::findtots2()
{
    const Statistics::LastWeeks weeks =
        Statistics::lastWeeks(m_table, m_periods.weeks(), m_clock.today());
    m_label20->setText(weeks.weeks);
    m_label22->setText(weeks.from);
    m_label18->setText(weeks.totals.time);
    m_label19->setText(weeks.totals.cost);
    m_label28->setText(weeks.totals.averageTime);
    m_label29->setText(weeks.totals.averageCost);
    m_weeksVolume.show(weeks.totals);
}

void StatisticsView::statload()
{
    m_progress.setStatus(QString());
}

void StatisticsView::setstatcols(const ViewColours& colours)
{
    for (QFrame* frame : m_panels) {
        QPalette palette = frame->palette();
        palette.setColor(QPalette::Window, colours.mainBackground);
        frame->setPalette(palette);
    }
    for (QLabel* label : m_headings) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colours.mainText);
        label->setPalette(palette);
    }
    for (QLabel* label : m_values) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, colours.secondaryBackground);
        palette.setColor(QPalette::WindowText, colours.secondaryText);
        label->setPalette(palette);
    }
}
