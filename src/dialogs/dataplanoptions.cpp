#include "dataplanoptions.h"

#include "tariff/tarifftable.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace
{
constexpr BillPlan::Unit kUnits[] = {BillPlan::Unit::Megabytes, BillPlan::Unit::Gigabytes};
} // namespace

DataPlanOptions::DataPlanOptions(TariffTable& tariff, QWidget* parent)
    : QGroupBox(QStringLiteral("Data plan"), parent), m_tariff(tariff),
      m_allowance(new QLineEdit(this)), m_unit(new QComboBox(this)),
      m_pricePerMegabyte(new QLineEdit(this)), m_fixedPrice(new QLineEdit(this))
{
    setObjectName(QStringLiteral("dataplanframe"));
    m_allowance->setObjectName(QStringLiteral("allowance"));
    m_allowance->setAccessibleName(BillPlan::allowanceName());
    m_allowance->setToolTip(QStringLiteral("0 for no allowance"));
    m_unit->setObjectName(QStringLiteral("allowanceunit"));
    m_unit->setAccessibleName(QStringLiteral("Allowance unit"));
    for (const BillPlan::Unit unit : kUnits)
        m_unit->addItem(BillPlan::unitText(unit));
    m_pricePerMegabyte->setObjectName(QStringLiteral("pricepermb"));
    m_pricePerMegabyte->setAccessibleName(BillPlan::pricePerMegabyteName());
    m_pricePerMegabyte->setToolTip(
        QStringLiteral("For each megabyte (1,000,000 bytes) sent and received beyond the "
                       "allowance; 0 for none"));
    m_fixedPrice->setObjectName(QStringLiteral("fixedprice"));
    m_fixedPrice->setAccessibleName(BillPlan::fixedPriceName());
    m_fixedPrice->setToolTip(QStringLiteral("Paid once a bill, whatever the calls; 0 for none"));
    const int width = fontMetrics().horizontalAdvance(QStringLiteral("0000.0000")) + 16;
    m_allowance->setMaximumWidth(width);
    m_pricePerMegabyte->setMaximumWidth(width);
    m_fixedPrice->setMaximumWidth(width);

    auto* allowanceRow = new QHBoxLayout;
    allowanceRow->addWidget(m_allowance);
    // Read out as the unit's name; a drop-down list is otherwise read by its entry.
    auto* unitLabel = new QLabel(QStringLiteral("in"), this);
    unitLabel->setBuddy(m_unit);
    allowanceRow->addWidget(unitLabel);
    allowanceRow->addWidget(m_unit);
    allowanceRow->addStretch();
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("All&owance per bill"), allowanceRow);
    static_cast<QLabel*>(layout->labelForField(allowanceRow))->setBuddy(m_allowance);
    layout->addRow(QStringLiteral("Pri&ce per MB beyond it"), m_pricePerMegabyte);
    layout->addRow(QStringLiteral("Fi&xed price per bill"), m_fixedPrice);
    // One line, so the window does not grow; the help tells how the charges add up.
    auto* note = new QLabel(QStringLiteral("0 means no allowance or no charge."), this);
    note->setWordWrap(true);
    layout->addRow(note);

    connect(m_allowance, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_tariff.billPlan().setAllowance(text); });
    connect(m_unit, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            m_tariff.billPlan().setAllowanceUnit(kUnits[index]);
    });
    connect(m_pricePerMegabyte, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_tariff.billPlan().setPricePerMegabyte(text); });
    connect(m_fixedPrice, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_tariff.billPlan().setFixedPrice(text); });
    showFields();
}

void DataPlanOptions::showFields()
{
    const BillPlan& plan = m_tariff.billPlan();
    m_allowance->setText(plan.allowance());
    m_unit->setCurrentIndex(plan.allowanceUnit() == BillPlan::Unit::Gigabytes ? 1 : 0);
    m_pricePerMegabyte->setText(plan.pricePerMegabyte());
    m_fixedPrice->setText(plan.fixedPrice());
}

QLineEdit* DataPlanOptions::fieldNamed(const QString& name) const
{
    if (name == BillPlan::allowanceName())
        return m_allowance;
    if (name == BillPlan::pricePerMegabyteName())
        return m_pricePerMegabyte;
    if (name == BillPlan::fixedPriceName())
        return m_fixedPrice;
    return nullptr;
}
