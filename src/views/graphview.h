#pragma once

#include "viewcolours.h"

#include <QWidget>

class Clock;
class ConnectionTable;
class GraphAxis;
class GraphPicture;
class ProgressSink;
class QCheckBox;
class QGroupBox;
class QRadioButton;

// The graph view: cost, time connected or volume, per connection or per calendar day from the first
// connection to today, as bars beside a nine-step scale. Redrawn at every showing and option
// change; the options last for the run only.
class GraphView : public QWidget
{
    Q_OBJECT
public:
    GraphView(const ConnectionTable& table, const Clock& clock, ProgressSink& progress,
              QWidget* parent = nullptr);

    // Draws the chart afresh from the table and the options.
    void graphload();
    // The colours the next graphload uses.
    void setColours(const ViewColours& colours) { m_colours = colours; }

    GraphPicture* picture() const { return m_graph; }

private:
    void Option3_Click();
    void Option4_Click();

    const ConnectionTable& m_table;
    const Clock& m_clock;
    ProgressSink& m_progress;
    ViewColours m_colours;

    QGroupBox* m_fgraph = nullptr;
    GraphPicture* m_graph = nullptr;
    GraphAxis* m_axis = nullptr;
    QRadioButton* m_option1 = nullptr;
    QRadioButton* m_option2 = nullptr;
    QRadioButton* m_option3 = nullptr;
    QRadioButton* m_option4 = nullptr;
    QRadioButton* m_option5 = nullptr;
    QCheckBox* m_check1 = nullptr;
};
