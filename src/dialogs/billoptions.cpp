#include "billoptions.h"

#include "spinboxname.h"
#include "tariff/tarifftable.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

BillOptions::BillOptions(TariffTable& tariff, QWidget* parent)
    : QGroupBox(QStringLiteral("Bills"), parent), m_tariff(tariff), m_billDay(new QSpinBox(this)),
      m_budget(new QLineEdit(this)), m_volumeCap(new QLineEdit(this))
{
    setObjectName(QStringLiteral("billframe"));
    m_billDay->setObjectName(QStringLiteral("billday"));
    setSpinBoxName(m_billDay, QStringLiteral("Bill day"));
    m_billDay->setRange(BillPlan::FirstBillDay, BillPlan::LastBillDay);
    m_billDay->setToolTip(QStringLiteral("The day of the month each bill starts on, 1 to 28"));
    m_budget->setObjectName(QStringLiteral("budget"));
    m_budget->setAccessibleName(BillPlan::budgetName());
    m_budget->setToolTip(QStringLiteral("0 for no budget"));
    m_volumeCap->setObjectName(QStringLiteral("volumecap"));
    m_volumeCap->setAccessibleName(BillPlan::volumeCapName() + QStringLiteral(" in megabytes"));
    m_volumeCap->setToolTip(QStringLiteral("In megabytes; 0 for no cap"));
    const int width = fontMetrics().horizontalAdvance(QStringLiteral("0000.0000")) + 16;
    m_billDay->setMaximumWidth(width);
    m_budget->setMaximumWidth(width);
    m_volumeCap->setMaximumWidth(width);

    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("&Bill day"), m_billDay);
    layout->addRow(QStringLiteral("B&udget per bill"), m_budget);
    layout->addRow(QStringLiteral("&Volume cap per bill (MB)"), m_volumeCap);
    auto* note = new QLabel(QStringLiteral("0 means no budget or no cap."), this);
    note->setWordWrap(true);
    layout->addRow(note);

    connect(m_billDay, &QSpinBox::valueChanged, this,
            [this](int day) { m_tariff.billPlan().setBillDay(day); });
    connect(m_budget, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_tariff.billPlan().setBudget(text); });
    connect(m_volumeCap, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_tariff.billPlan().setVolumeCap(text); });
    showFields();
}

void BillOptions::showFields()
{
    const BillPlan& plan = m_tariff.billPlan();
    m_billDay->setValue(plan.billDay());
    m_budget->setText(plan.budget());
    m_volumeCap->setText(plan.volumeCap());
}

QLineEdit* BillOptions::fieldNamed(const QString& name) const
{
    if (name == BillPlan::budgetName())
        return m_budget;
    if (name == BillPlan::volumeCapName())
        return m_volumeCap;
    return nullptr;
}
