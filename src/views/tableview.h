#pragma once

#include <QWidget>

class ConnectionTable;
class ProgressSink;
class QGroupBox;
class QMenu;
class QTableWidget;
struct ViewColours;

// The table log: one row per connection in six columns, sortable by any column. Sorting moves
// the grid's cells only; the connection table keeps its order.
class TableView : public QWidget
{
    Q_OBJECT
public:
    // Header texts and column alignments.
    static const QString FormatString;

    TableView(ConnectionTable& table, ProgressSink& progress, QWidget* parent = nullptr);

    // Refills the grid in connection-number order and marks the view current. A connection
    // whose cells cannot be made stops the fill: the rows so far stay and false is returned.
    bool displaygrid(bool twelveHour);
    // Sorts the rows ascending by the current column.
    void grid_click();
    // Chosen instead of sorting: the current column goes back to the number column.
    void popcancel();

    // The main window's "tip" menu, popped up by any mouse button on the grid.
    void setSortMenu(QMenu* ttt) { m_ttt = ttt; }
    // The body takes the secondary colours; the header, the grid lines and the text of the
    // chosen cell take the main ones.
    void setColours(const ViewColours& colours);

    // The column where the selection ends; 0 before any cell was chosen.
    int currentColumn() const;
    void setCurrentColumn(int column);

    QTableWidget* grid() const { return m_grid1; }
    QGroupBox* frame() const { return m_fgrid1; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The design's columns, and Sent and Received after them where `volume` is shown.
    void applyFormat(bool volume = false);
    void sizeColumns();
    void setCaption(int column);

    ConnectionTable& m_table;
    ProgressSink& m_progress;
    QGroupBox* m_fgrid1 = nullptr;
    QTableWidget* m_grid1 = nullptr;
    QMenu* m_ttt = nullptr;
    // Stands for the current column while the grid has no rows and so no current cell.
    int m_column = 0;
};
