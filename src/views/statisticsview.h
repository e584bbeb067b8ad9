#pragma once

#include "stats/statistics.h"
#include "stats/statisticsperiods.h"

#include <QList>
#include <QWidget>
#include <utility>

class Clock;
class ConnectionTable;
class ProgressSink;
class QFrame;
class QGridLayout;
class QGroupBox;
class QLabel;
class QScrollBar;
class QVBoxLayout;
class WeekStepper;
struct ViewColours;

// The statistics view: time and cost over the last weeks, over a span of days the user picks
// with two scroll bars, and per connection. The figures are those of the last load or
// scroll-bar move; showing the view does not recompute them.
class StatisticsView : public QWidget
{
    Q_OBJECT
public:
    StatisticsView(const ConnectionTable& table, const Clock& clock, ProgressSink& progress,
                   QWidget* parent = nullptr);

    // After every load: the scroll bars' far limits from the table's first day, then both
    // computations.
    void refresh();
    // The day span and the per-connection averages.
    void findtots();
    // The last weeks.
    void findtots2();
    // Run each time the view is shown: clears the status line.
    void statload();
    void setstatcols(const ViewColours& colours);

    // A further panel of figures, laid out and coloured as the others: its headings take the main
    // colours, its values the secondary ones. Columns 0 to 2 of its grid line up with theirs.
    void addPanel(QFrame* panel, QGridLayout* grid, const QList<QLabel*>& headings,
                  const QList<QLabel*>& values);

    QGroupBox* frame() const { return m_picture1; }
    QScrollBar* since() const { return m_since; }

private:
    void since_Change();
    void sto_Change();
    void since2_Change();
    // Puts the limits and values of the periods into the controls, without running a handler.
    void showPeriods();
    int daysSinceFirst() const;

    struct Heading {
        const char* name;
        const char* caption;
    };
    QLabel* heading(const QString& name, const QString& caption, QWidget* parent);
    QLabel* value(const QString& name, QWidget* parent);
    // A heading with the time and the cost beside it, in one row of a panel's grid.
    std::pair<QLabel*, QLabel*> figureRow(QGridLayout* grid, int row, const Heading& rowHeading,
                                          const char* timeName, const char* costName);
    QFrame* panel(const QString& name);
    void adoptPanel(QFrame* frame);
    void adoptValue(QLabel* label);
    void alignColumns(QGridLayout* grid) const;

    const ConnectionTable& m_table;
    const Clock& m_clock;
    ProgressSink& m_progress;
    StatisticsPeriods m_periods;

    QGroupBox* m_picture1 = nullptr;
    QVBoxLayout* m_panelsLayout = nullptr;
    QList<QFrame*> m_panels;
    QList<QLabel*> m_headings;
    QList<QLabel*> m_values;
    QScrollBar* m_since = nullptr;
    QScrollBar* m_sto = nullptr;
    WeekStepper* m_since2 = nullptr;
    // Weeks panel.
    QLabel* m_label20 = nullptr;
    QLabel* m_label22 = nullptr;
    QLabel* m_label18 = nullptr;
    QLabel* m_label19 = nullptr;
    QLabel* m_label28 = nullptr;
    QLabel* m_label29 = nullptr;
    // A period's volume, beside its time and cost.
    struct VolumeRow {
        QLabel* caption = nullptr;
        QLabel* figure = nullptr;
        // Per day or per week.
        QLabel* average = nullptr;
        void show(const Statistics::Totals& totals) const;
    };
    VolumeRow volumeRow(QGridLayout* grid, int row, const char* name);
    VolumeRow m_weeksVolume;
    VolumeRow m_spanVolume;
    // Day span panel.
    QLabel* m_label7 = nullptr;
    QLabel* m_label33 = nullptr;
    QLabel* m_label11 = nullptr;
    QLabel* m_label2 = nullptr;
    QLabel* m_label6 = nullptr;
    QLabel* m_label27 = nullptr;
    QLabel* m_label26 = nullptr;
    // All connections panel.
    QLabel* m_label23 = nullptr;
    QLabel* m_label4 = nullptr;
};
