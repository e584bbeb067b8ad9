#pragma once

#include "report/connectionlinecache.h"

#include <QStringList>
#include <QWidget>

class ConnectionTable;
class ProgressSink;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
struct ViewColours;

// The written log: one English line per connection, an empty line wherever the day changes,
// and the totals of the selected lines beneath.
class WrittenView : public QWidget
{
    Q_OBJECT
public:
    WrittenView(ConnectionTable& table, ProgressSink& progress, QWidget* parent = nullptr);

    // Refills the list from the table and marks the view current. A connection whose line
    // cannot be made stops the fill: the lines so far stay and false is returned.
    bool displaywritten(bool twelveHour);
    // The numbers of the connections whose lines are selected, and the same selected again after
    // a fill, where the list then stood: news shown while the window is open leaves the user's
    // choice alone.
    QList<int> selectedConnections() const;
    void reselect(const QList<int>& connections);

    // The "Selected Connections" menu and the "There are no selections" menu, popped up by a
    // right click; both belong to the main window.
    void setContextMenus(QMenu* popbit, QMenu* nosel);
    // The list takes the main colours.
    void setColours(const ViewColours& colours);

    // The selected lines, in list order.
    QStringList selectedLines() const;
    QListWidget* list() const { return m_start; }

    // Recomputes the totals of the selection; runs on every selection change.
    void start_Click();
    // Leaves no line selected and the list scrolled to its end.
    void start_DblClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void popUpMenu(const QPoint& globalPos);

    ConnectionTable& m_table;
    ProgressSink& m_progress;
    ConnectionLineCache m_lines;
    QGroupBox* m_fstart = nullptr;
    QListWidget* m_start = nullptr;
    QWidget* m_stotal = nullptr;
    QLabel* m_tipl = nullptr;
    QLabel* m_ltime = nullptr;
    QLabel* m_lcost = nullptr;
    QMenu* m_popbit = nullptr;
    QMenu* m_nosel = nullptr;
};
