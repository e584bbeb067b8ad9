#pragma once

#include <QWidget>
#include <array>

class ColourBox;
class QLabel;
class TariffTable;

// The tariff's week of hour cells, Monday at the top and hour 00 at the left. Pressing on a
// cell, or Space on the focused one, paints it with the chosen rate's colour; moving with the
// button held paints every cell passed over. Arrow keys move between cells. Only the colours
// change here: the cells' rates follow at the tariff's next save.
class HourGrid : public QWidget
{
    Q_OBJECT
public:
    HourGrid(TariffTable& tariff, QWidget* parent = nullptr);

    // The rate (0 = Rate 1) whose colour painting uses.
    void setPaintRate(int rate) { m_paintRate = rate; }
    // Shows the colours the tariff holds now.
    void refresh();
    ColourBox* cell(int day, int hour) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paint(int day, int hour);
    void showCell(int day, int hour);
    // Paints the cells under every point from the last position to `to`, so a quick sweep
    // misses none it crossed.
    void sweepTo(const QPoint& to);
    void paintAt(const QPoint& point);
    int indexOf(const QObject* box) const;
    // The one cell that Tab reaches; arrows move it.
    void setCurrent(int day, int hour);
    bool moveCurrent(int key);

    TariffTable& m_tariff;
    QLabel* m_header = nullptr;
    std::array<ColourBox*, 7 * 24> m_cells{};
    int m_paintRate = 0;
    int m_current = 0;
    bool m_sweeping = false;
    QPoint m_lastPoint;
};
