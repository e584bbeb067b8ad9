#pragma once

#include <QGroupBox>

class QDateEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class TariffTable;

// The tariff editor's list of holidays, the days costed as Sundays: a day added by hand, the
// bank holidays of England and Wales added for a whole year, the chosen days removed. Edits go
// into the tariff at once; the editor's Apply saves them and re-costs the calls.
class HolidayEditor : public QGroupBox
{
    Q_OBJECT
public:
    explicit HolidayEditor(TariffTable& tariff, QWidget* parent = nullptr);

    // Shows what the tariff holds now.
    void showFields();

private:
    void addDay();
    void addBankHolidays();
    void removeChosen();

    TariffTable& m_tariff;
    QListWidget* m_list;
    QDateEdit* m_day;
    QPushButton* m_add;
    QPushButton* m_remove;
    QSpinBox* m_year;
    QPushButton* m_addYear;
};
