#pragma once

#include <QGroupBox>

class QLineEdit;
class QSpinBox;
class TariffTable;

// The tariff editor's bill settings: the day each bill starts on, and the budget and volume cap
// per bill. Edits go into the tariff at once; the editor's Apply saves them.
class BillOptions : public QGroupBox
{
    Q_OBJECT
public:
    explicit BillOptions(TariffTable& tariff, QWidget* parent = nullptr);

    // Shows what the tariff holds now.
    void showFields();
    // The field a save refused ("Budget per bill", "Volume cap per bill"); none for another.
    QLineEdit* fieldNamed(const QString& name) const;

private:
    TariffTable& m_tariff;
    QSpinBox* m_billDay;
    QLineEdit* m_budget;
    QLineEdit* m_volumeCap;
};
