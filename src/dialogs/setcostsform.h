#pragma once

#include <QDialog>
#include <array>
#include <functional>

class BillOptions;
class ColourBox;
class DataPlanOptions;
class HolidayEditor;
class HourGrid;
class Prompter;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class SettingsStore;
class TariffTable;

// "Set Phone Tarifs and Times": presents the program's one tariff table. Every edit goes into
// that table at once, so hiding the window keeps it; Apply and OK save the table and have the
// owner re-cost and redraw.
class setcostsform : public QDialog
{
    Q_OBJECT
public:
    using ReloadHandler = std::function<void()>;

    setcostsform(TariffTable& tariff, SettingsStore& settings, Prompter& prompter,
                 QWidget* parent = nullptr);

    // Called after a save by Apply, and by OK once the window is hidden.
    void setReloadHandler(ReloadHandler handler) { m_reload = std::move(handler); }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The rate selectors, swatches and amounts, the minimum and the discount.
    QGridLayout* buildRates(QWidget* frame);
    // Shows what the tariff holds now.
    void showFields();
    void chooseRate(int rate);
    void Text3_Change(const QString& text);
    void Combo1_Click(int index);
    void Command1_Click();
    void cmdapply_Click();
    // Saves the tariff; false, with a warning naming the field, when an amount is not a number.
    bool save();

    TariffTable& m_tariff;
    SettingsStore& m_settings;
    Prompter& m_prompter;
    ReloadHandler m_reload;

    QGroupBox* m_frame1 = nullptr;
    std::array<QRadioButton*, 5> m_option1{};
    std::array<ColourBox*, 5> m_boxcol{};
    std::array<QLineEdit*, 5> m_text1{};
    QLineEdit* m_text2 = nullptr;
    QLineEdit* m_text3 = nullptr;
    HourGrid* m_grid = nullptr;
    QCheckBox* m_check1 = nullptr;
    QCheckBox* m_check2 = nullptr;
    QComboBox* m_combo1 = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command2 = nullptr;
    QPushButton* m_cmdapply = nullptr;
    BillOptions* m_billOptions = nullptr;
    DataPlanOptions* m_dataPlan = nullptr;
    HolidayEditor* m_holidays = nullptr;
};
