#pragma once

#include "billplan.h"
#include "holidaylist.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <array>

class ProgressSink;
class SettingsStore;

// The call charges: five per-minute rates, the minimum cost of a call, the discount, the two
// display options and the hour grid. The tariff editor presents one of these; costing reads it.
// Days are rows 0 (Monday) to 6 (Sunday), hours 0 to 23; rates are 0 (Rate 1, the peak rate) to 4.
class TariffTable
{
public:
    static constexpr int RateCount = 5;
    static constexpr int DayCount = 7;
    static constexpr int HourCount = 24;

    struct SaveResult {
        bool saved = false;
        // The field that stopped the save: "Rate 1".."Rate 5", "Minimum cost of call",
        // "Budget per bill", "Volume cap per bill", "Allowance per bill", "Price per MB beyond
        // it" or "Fixed price per bill".
        QString invalidField;
        // 0..4 when a rate stopped the save, -1 for the minimum or none.
        int invalidRate = -1;
    };

    // The editor's initial state: amounts "0", both options on, the standard grid.
    TariffTable();

    QString rate(int index) const;
    void setRate(int index, const QString& text);
    QString minimum() const { return m_minimum; }
    void setMinimum(const QString& text) { m_minimum = text; }
    QString discount() const { return m_discount; }
    // Applies the discount range rule: a leading number above 100 or below 0 becomes "0".
    void setDiscount(const QString& text);
    bool identify() const { return m_identify; }
    void setIdentify(bool on) { m_identify = on; }
    bool twelveHour() const { return m_twelveHour; }
    void setTwelveHour(bool on) { m_twelveHour = on; }

    // Colours have red in the low byte, green next, blue in the third byte.
    quint32 cellColour(int day, int hour) const;
    // Only the colour changes; the tag follows at the next setboxrates().
    void setCellColour(int day, int hour, quint32 colour);
    QString cellTag(int day, int hour) const;
    // 0..4 for the rate whose swatch has the cell's colour, -1 for none.
    int rateOfCell(int day, int hour) const;
    // Weekdays 00-07 and 18-23 at Rate 2, 08-17 at Rate 1; the weekend at Rate 3.
    void paintStandardGrid();

    // Days costed by Sunday's row. Like the colours, an edited list takes effect at the next save.
    const HolidayList& holidays() const { return m_holidays; }
    void setHolidays(const HolidayList& holidays) { m_holidays = holidays; }
    // A holiday of the last load or save.
    bool isHoliday(const QDate& day) const { return m_appliedHolidays.contains(day); }
    // The row of the hour grid that costs a call on that day: Sunday's on a holiday, otherwise
    // its weekday's.
    int dayRow(const QDate& day) const;
    // The bill day, budget and cap being edited, and those of the last load or save.
    BillPlan& billPlan() { return m_billPlan; }
    const BillPlan& billPlan() const { return m_billPlan; }
    const BillPlan& appliedBillPlan() const { return m_appliedBillPlan; }

    static quint32 swatchColour(int rate);
    // "Mon", "Tue", "Wed", "Thus", "Fri", "Sat", "Sun".
    static QString dayPrefix(int day);
    // The settings key of a cell: "Mon0" .. "Sun23".
    static QString key(int day, int hour);
    static QString section() { return QStringLiteral("TimesAndTarifs"); }
    // How the editor and the messages name a rate (0..4) and the minimum.
    static QString rateName(int rate);
    static QString minimumName() { return QStringLiteral("Minimum cost of call"); }

    // Copies each rate's text into the tags of the cells painted in its colour. A cell that
    // matches no swatch keeps its old tag.
    void setboxrates();
    // Reads every field from the store (each absent key keeps the current value), normalises,
    // then refreshes the tags. A stored rate or minimum that is not an amount becomes "0"; the
    // result names each such field ("Rate 2", "Minimum cost of call"), for the user to be told.
    QStringList load(SettingsStore& store, ProgressSink& progress);
    // Normalises and writes every field, then refreshes the tags. A rate or minimum that is not
    // an amount (not a number, below 0, too large) leaves the table and the store untouched and
    // is named in the result.
    SaveResult save(SettingsStore& store);

private:
    struct Cell {
        quint32 colour = 0;
        QString tag;
    };

    Cell& cell(int day, int hour);
    const Cell& cell(int day, int hour) const;
    void normaliseDiscount();
    // What costing and the bill figures read from now on.
    void applyCalendar();

    std::array<QString, RateCount> m_rates;
    QString m_minimum;
    QString m_discount;
    bool m_identify = true;
    bool m_twelveHour = true;
    std::array<Cell, DayCount * HourCount> m_cells;
    HolidayList m_holidays;
    HolidayList m_appliedHolidays;
    BillPlan m_billPlan;
    BillPlan m_appliedBillPlan;
};
