#pragma once

#include <QGroupBox>

class QComboBox;
class QLineEdit;
class TariffTable;

// The tariff editor's data plan: an allowance of bytes per bill, the price per megabyte beyond
// it and a fixed price per bill. Edits go into the tariff at once; the editor's Apply saves them.
class DataPlanOptions : public QGroupBox
{
    Q_OBJECT
public:
    explicit DataPlanOptions(TariffTable& tariff, QWidget* parent = nullptr);

    // Shows what the tariff holds now.
    void showFields();
    // The field a save refused ("Allowance per bill", ...); none for another.
    QLineEdit* fieldNamed(const QString& name) const;

private:
    TariffTable& m_tariff;
    QLineEdit* m_allowance;
    QComboBox* m_unit;
    QLineEdit* m_pricePerMegabyte;
    QLineEdit* m_fixedPrice;
};
