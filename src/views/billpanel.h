#pragma once

#include <QFrame>
#include <QList>

class Clock;
class ConnectionTable;
class QGridLayout;
class QLabel;
class QPushButton;
class TariffTable;

// The statistics view's panel of one telephone bill: the current bill with its projection to the
// bill's end, or an earlier one the user steps back to. Bills start on the bill day of the last
// saved tariff.
class BillPanel : public QFrame
{
    Q_OBJECT
public:
    BillPanel(const ConnectionTable& table, const TariffTable& tariff, const Clock& clock,
              QWidget* parent = nullptr);

    // After every load: the figures again, the bill shown kept within the bills there are.
    void refresh();

    QGridLayout* grid() const { return m_grid; }
    const QList<QLabel*>& headings() const { return m_headings; }
    const QList<QLabel*>& values() const { return m_values; }

private:
    void step(int bills);
    // Shows a figure and its heading only where the bill has one.
    static void showOptional(QLabel* heading, QLabel* value, const QString& text);
    QLabel* addHeading(const QString& name, const QString& caption);
    QLabel* addValue(const QString& name, const QString& description);

    const ConnectionTable& m_table;
    const TariffTable& m_tariff;
    const Clock& m_clock;
    int m_billsBack = 0;

    QGridLayout* m_grid = nullptr;
    QList<QLabel*> m_headings;
    QList<QLabel*> m_values;
    QLabel* m_heading = nullptr;
    QPushButton* m_earlier = nullptr;
    QPushButton* m_later = nullptr;
    QLabel* m_time = nullptr;
    QLabel* m_cost = nullptr;
    QLabel* m_projection = nullptr;
    QLabel* m_unknownVolume = nullptr;
    QLabel* m_calls = nullptr;
    QLabel* m_volumeHeading = nullptr;
    QLabel* m_volume = nullptr;
    QLabel* m_volumeProjection = nullptr;
    QLabel* m_allowanceHeading = nullptr;
    QLabel* m_allowance = nullptr;
    QLabel* m_fixedPriceHeading = nullptr;
    QLabel* m_fixedPrice = nullptr;
    QLabel* m_usedHeading = nullptr;
    // The budget's share, then the cap's, in that order from the left.
    QList<QLabel*> m_used;
};
