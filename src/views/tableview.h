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
    // Measures each column for the rows just filled, then fits them.
    void sizeColumns();
    // Every column within the grid's width where the measured widths allow: when they do not
    // fit as measured, the headers lose their padding spaces and the notes take the room left,
    // cut if need be (their tip shows them whole). Only a grid on screen has a width to fit.
    void fitColumns();
    void setCaption(int column);

    ConnectionTable& m_table;
    ProgressSink& m_progress;
    QGroupBox* m_fgrid1 = nullptr;
    QTableWidget* m_grid1 = nullptr;
    QMenu* m_ttt = nullptr;
    struct ColumnWidth {
        int padded = 0; // as wide as its header, spaces included, or its longest cell
        int tight = 0;  // the same without the header's padding spaces
        int header = 0; // the header alone, without them
    };
    QList<ColumnWidth> m_widths;
    // Stands for the current column while the grid has no rows and so no current cell.
    int m_column = 0;
};
