#include "graphview.h"

#include "graphaxis.h"
#include "graphpicture.h"
#include "platform/clock.h"
#include "platform/progresssink.h"
#include "report/tablecells.h"
#include "stats/graphplot.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace
{
const QString ShowNumbers = QStringLiteral("Show connection numbers");
const QString ShowDates = QStringLiteral("Show dates");

QRadioButton* option(const QString& name, const QString& caption, QWidget* frame)
{
    auto* button = new QRadioButton(caption, frame);
    button->setObjectName(name);
    // As wide as its caption: a click beside the caption is no click on the button.
    static_cast<QBoxLayout*>(frame->layout())->addWidget(button, 0, Qt::AlignLeft);
    return button;
}

// A frame for two option buttons; its caption names the choice.
QGroupBox* choice(const QString& name, const QString& caption, QWidget* parent)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    // Inside another frame, a frame would otherwise be read by the outer frame's caption.
    frame->setAccessibleName(caption);
    // One option above the other, so that the graph fits a small window.
    new QVBoxLayout(frame);
    return frame;
}
} // namespace

GraphView::GraphView(const ConnectionTable& table, const Clock& clock, ProgressSink& progress,
                     QWidget* parent)
    : QWidget(parent), m_table(table), m_clock(clock), m_progress(progress)
{
    m_fgraph = new QGroupBox(QStringLiteral("Graph of Internet Connections"), this);
    m_fgraph->setObjectName(QStringLiteral("fgraph"));

    m_axis = new GraphAxis(m_fgraph);
    m_graph = new GraphPicture(m_fgraph);
    auto* chart = new QHBoxLayout;
    chart->setSpacing(0);
    chart->addWidget(m_axis);
    chart->addWidget(m_graph, 1);

    // Each pair of option buttons is exclusive within its own frame.
    QGroupBox* frame1 = choice(QStringLiteral("Frame1"), QStringLiteral("Y-axis"), m_fgraph);
    m_option1 = option(QStringLiteral("Option1"), QStringLiteral("Show Costs"), frame1);
    m_option2 = option(QStringLiteral("Option2"), QStringLiteral("Show Time connected"), frame1);
    m_option5 = option(QStringLiteral("Option5"), QStringLiteral("Show Volume"), frame1);
    m_option5->setToolTip(QStringLiteral("Bytes sent and received, where the log records them"));
    m_option2->setChecked(true);
    QGroupBox* frame3 = choice(QStringLiteral("Frame3"), QStringLiteral("X-axis"), m_fgraph);
    m_option3 = option(QStringLiteral("Option3"), QStringLiteral("Connections"), frame3);
    m_option4 = option(QStringLiteral("Option4"),
                       QStringLiteral("Days from 1st connection to present day"), frame3);
    m_option3->setChecked(true);
    m_check1 = new QCheckBox(ShowNumbers, m_fgraph);
    m_check1->setObjectName(QStringLiteral("Check1"));
    m_check1->setChecked(true);

    auto* options = new QHBoxLayout;
    options->addWidget(frame1);
    options->addWidget(frame3);
    options->addStretch();

    auto* frameLayout = new QVBoxLayout(m_fgraph);
    frameLayout->addLayout(chart, 1);
    frameLayout->addLayout(options);
    frameLayout->addWidget(m_check1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_fgraph);

    // Only the button that becomes chosen redraws; the one let go says nothing.
    const auto whenChosen = [this](QRadioButton* button, void (GraphView::*handler)()) {
        connect(button, &QRadioButton::toggled, this, [this, handler](bool chosen) {
            if (chosen)
                (this->*handler)();
        });
    };
    whenChosen(m_option1, &GraphView::graphload);
    whenChosen(m_option2, &GraphView::graphload);
    whenChosen(m_option5, &GraphView::graphload);
    whenChosen(m_option3, &GraphView::Option3_Click);
    whenChosen(m_option4, &GraphView::Option4_Click);
    connect(m_check1, &QCheckBox::toggled, this, &GraphView::graphload);
}

void GraphView::graphload()
{
    m_graph->setColours(m_colours.mainBackground, m_colours.mainText, m_colours.secondaryText);
    m_progress.setProgressEnabled(true);
    m_progress.setStatus(QStringLiteral("Displaying graph..."));
    // Volume only where some connection records its bytes; a table without falls back to time.
    const bool bytes = TableCells::showsVolume(m_table);
    m_option5->setEnabled(bytes);
    if (!bytes && m_option5->isChecked()) {
        const QSignalBlocker quiet(m_option2);
        m_option2->setChecked(true);
    }
    GraphPlot::Measure measure = GraphPlot::Measure::Time;
    if (m_option1->isChecked())
        measure = GraphPlot::Measure::Cost;
    else if (m_option5->isChecked())
        measure = GraphPlot::Measure::Volume;
    const GraphPlot::Axis axis =
        m_option4->isChecked() ? GraphPlot::Axis::Days : GraphPlot::Axis::Connections;
    const GraphPlot::Plot plot = GraphPlot::plot(m_table, measure, axis, m_clock.today());
    m_graph->setPlot(plot, m_check1->isChecked());
    m_progress.setProgress(100);
    m_progress.setProgress(0);
    m_progress.setProgressEnabled(false);
    m_progress.setStatus(QString());
    m_axis->setTexts(plot.axisLabels);
}

void GraphView::Option3_Click()
{
    graphload();
    m_check1->setText(ShowNumbers);
}

void GraphView::Option4_Click()
{
    graphload();
    m_check1->setText(ShowDates);
}
