#include "setcostsform.h"

#include "billoptions.h"
#include "colourbox.h"
#include "dataplanoptions.h"
#include "holidayeditor.h"
#include "hourgrid.h"
#include "platform/prompter.h"
#include "platform/settingsstore.h"
#include "tariff/moneytext.h"
#include "tariff/tariffpresets.h"
#include "tariff/tarifftable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace
{
constexpr int kRates = TariffTable::RateCount;
const std::array<const char*, kRates> kColourNames{"red", "blue", "yellow", "green", "cyan"};

QString indexed(const char* name, int index)
{
    return QString::fromLatin1(name) + QLatin1Char('_') + QString::number(index);
}

QLineEdit* amountField(const QString& name, const QString& accessibleName, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setAccessibleName(accessibleName);
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0.00000")) + 16);
    return field;
}
} // namespace

setcostsform::setcostsform(TariffTable& tariff, SettingsStore& settings, Prompter& prompter,
                           QWidget* parent)
    : QDialog(parent), m_tariff(tariff), m_settings(settings), m_prompter(prompter)
{
    setObjectName(QStringLiteral("setcostsform"));
    setWindowTitle(QStringLiteral("Set Phone Tarifs and Times"));

    m_frame1 =
        new QGroupBox(QStringLiteral("Telephone call charges to Internet Service Provider"), this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    auto* instruction = new QLabel(
        QStringLiteral("Select and enter a call charge rate below and select the hours in the "
                       "week that use that rate by clicking the boxes in the grid."),
        m_frame1);
    instruction->setWordWrap(true);

    auto* frameLayout = new QVBoxLayout(m_frame1);
    frameLayout->addWidget(instruction);
    frameLayout->addLayout(buildRates(m_frame1));

    m_grid = new HourGrid(m_tariff, m_frame1);
    frameLayout->addSpacing(6);
    frameLayout->addWidget(m_grid, 1);

    m_check1 = new QCheckBox(
        QStringLiteral("&Identify peak rate calls, reconnections and unknown call ends in display"),
        m_frame1);
    m_check1->setObjectName(QStringLiteral("Check1"));
    m_check2 = new QCheckBox(QStringLiteral("Show 12 &hour clock format in display"), m_frame1);
    m_check2->setObjectName(QStringLiteral("Check2"));
    frameLayout->addSpacing(6);
    frameLayout->addWidget(m_check1);
    frameLayout->addWidget(m_check2);

    auto* presetLabel = new QLabel(QStringLiteral("Load &preset-"), m_frame1);
    m_combo1 = new QComboBox(m_frame1);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setAccessibleName(QStringLiteral("Load preset-"));
    m_combo1->addItems(TariffPresets::entries());
    // A list of choices, not a setting: nothing is shown as chosen until the user chooses.
    m_combo1->setCurrentIndex(-1);
    m_combo1->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    presetLabel->setBuddy(m_combo1);
    auto* presetRow = new QHBoxLayout;
    presetRow->addWidget(presetLabel);
    presetRow->addWidget(m_combo1);
    presetRow->addStretch();
    frameLayout->addLayout(presetRow);

    // The bill and the holidays beside the tariff, before the buttons in the keyboard's order.
    m_billOptions = new BillOptions(m_tariff, this);
    m_dataPlan = new DataPlanOptions(m_tariff, this);
    m_holidays = new HolidayEditor(m_tariff, this);

    m_command1 = new QPushButton(QStringLiteral("OK"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setDefault(true);
    m_command2 = new QPushButton(QStringLiteral("Cancel"), this);
    m_command2->setObjectName(QStringLiteral("Command2"));
    m_command2->setAutoDefault(false);
    m_cmdapply = new QPushButton(QStringLiteral("&Apply"), this);
    m_cmdapply->setObjectName(QStringLiteral("cmdapply"));
    m_cmdapply->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_command1);
    buttons->addWidget(m_command2);
    buttons->addWidget(m_cmdapply);

    auto* calendar = new QVBoxLayout;
    calendar->addWidget(m_billOptions);
    calendar->addWidget(m_dataPlan);
    calendar->addWidget(m_holidays, 1);
    auto* sides = new QHBoxLayout;
    sides->addWidget(m_frame1, 1);
    sides->addLayout(calendar);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sides, 1);
    layout->addLayout(buttons);

    // Every change of an amount's text, typed or not (a paste, assistive technology, the
    // program itself), goes into the tariff, so Apply saves what the field shows.
    connect(m_text2, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_tariff.setMinimum(text); });
    connect(m_text3, &QLineEdit::textChanged, this, &setcostsform::Text3_Change);
    connect(m_check1, &QCheckBox::toggled, this, [this](bool on) { m_tariff.setIdentify(on); });
    connect(m_check2, &QCheckBox::toggled, this, [this](bool on) { m_tariff.setTwelveHour(on); });
    connect(m_combo1, &QComboBox::activated, this, &setcostsform::Combo1_Click);
    connect(m_command1, &QPushButton::clicked, this, &setcostsform::Command1_Click);
    // Cancel, Escape and the title bar's close button all only hide: every edit stays.
    connect(m_command2, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_cmdapply, &QPushButton::clicked, this, &setcostsform::cmdapply_Click);

    chooseRate(0);
    showFields();
}

QGridLayout* setcostsform::buildRates(QWidget* frame)
{
    auto* rates = new QGridLayout;
    rates->setHorizontalSpacing(8);
    auto* peak = new QLabel(QStringLiteral("Peak rate >"), frame);
    rates->addWidget(peak, 0, 0, Qt::AlignRight);
    for (int r = 0; r < kRates; ++r) {
        const QString rateName = QStringLiteral("Rate ") + QString::number(r + 1);
        auto* option = new QRadioButton(
            QStringLiteral("Rate &") + QString::number(r + 1) + QLatin1Char('-'), frame);
        option->setObjectName(indexed("Option1", r));
        connect(option, &QRadioButton::toggled, this, [this, r](bool on) {
            if (on)
                m_grid->setPaintRate(r);
        });
        m_option1[std::size_t(r)] = option;

        auto* swatch = new ColourBox(frame);
        swatch->setObjectName(indexed("boxcol", r));
        swatch->setColour(TariffTable::swatchColour(r));
        swatch->setFixedSize(36, 18);
        // The rate selectors are the keyboard's way to a rate; the swatches are for the mouse.
        swatch->setFocusPolicy(Qt::NoFocus);
        swatch->setAccessibleName(rateName + QStringLiteral(" colour"));
        swatch->setAccessibleDescription(QString::fromLatin1(kColourNames[std::size_t(r)]));
        connect(swatch, &QAbstractButton::clicked, this, [this, r] { chooseRate(r); });
        m_boxcol[std::size_t(r)] = swatch;

        QLineEdit* amount =
            amountField(indexed("Text1", r), rateName + QStringLiteral(" per min"), frame);
        amount->installEventFilter(this);
        connect(amount, &QLineEdit::textChanged, this,
                [this, r](const QString& text) { m_tariff.setRate(r, text); });
        m_text1[std::size_t(r)] = amount;

        rates->addWidget(option, r, 1);
        rates->addWidget(swatch, r, 2);
        rates->addWidget(amount, r, 3);
        rates->addWidget(new QLabel(QStringLiteral("per min"), frame), r, 4);
    }

    rates->setColumnMinimumWidth(5, 24);
    const auto addAmount = [&](int row, const QString& caption, const QString& name) {
        QLineEdit* field = amountField(name, QString(caption).remove(QLatin1Char('&')), frame);
        auto* label = new QLabel(caption, frame);
        label->setBuddy(field);
        rates->addWidget(field, row, 6);
        rates->addWidget(label, row, 7);
        return field;
    };
    m_text2 = addAmount(1, QStringLiteral("&Minimum cost of call"), QStringLiteral("Text2"));
    m_text3 = addAmount(3, QStringLiteral("% &Discount on all rates"), QStringLiteral("Text3"));
    rates->setColumnStretch(8, 1);
    return rates;
}

void setcostsform::chooseRate(int rate)
{
    m_option1[std::size_t(rate)]->setChecked(true);
}

void setcostsform::showFields()
{
    for (int r = 0; r < kRates; ++r)
        m_text1[std::size_t(r)]->setText(m_tariff.rate(r));
    m_text2->setText(m_tariff.minimum());
    m_text3->setText(m_tariff.discount());
    m_check1->setChecked(m_tariff.identify());
    m_check2->setChecked(m_tariff.twelveHour());
    m_grid->refresh();
    m_billOptions->showFields();
    m_dataPlan->showFields();
    m_holidays->showFields();
}

void setcostsform::showEvent(QShowEvent* event)
{
    // The tariff is loaded after the window is made, at start-up.
    showFields();
    QDialog::showEvent(event);
}

bool setcostsform::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        for (int r = 0; r < kRates; ++r) {
            if (watched == m_text1[std::size_t(r)])
                chooseRate(r);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void setcostsform::Text3_Change(const QString& text)
{
    m_tariff.setDiscount(text);
    // The range rule may have replaced what was typed.
    if (m_tariff.discount() != text)
        m_text3->setText(m_tariff.discount());
}

void setcostsform::Combo1_Click(int index)
{
    if (TariffPresets::apply(TariffPresets::indexOf(m_combo1->itemText(index)), m_tariff))
        showFields();
}

bool setcostsform::save()
{
    const TariffTable::SaveResult result = m_tariff.save(m_settings);
    showFields();
    if (result.saved) {
        // Applied either way; the user must know it will not outlast this run.
        QString reason;
        if (!m_settings.sync(&reason))
            m_prompter.message(m_settings.notSavedMessage(reason), Prompter::Icon::Warning);
        return true;
    }
    m_prompter.message(QStringLiteral("The amount for \"") + result.invalidField +
                           QStringLiteral("\" must be a number of 0 or more. Enter an amount "
                                          "such as ") +
                           MoneyText::fromTenThousandths(400) +
                           QStringLiteral("; nothing has been saved."),
                       Prompter::Icon::Warning);
    QLineEdit* field = result.invalidRate >= 0 ? m_text1[std::size_t(result.invalidRate)] : m_text2;
    if (QLineEdit* billField = m_billOptions->fieldNamed(result.invalidField))
        field = billField;
    if (QLineEdit* planField = m_dataPlan->fieldNamed(result.invalidField))
        field = planField;
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
    return false;
}

void setcostsform::Command1_Click()
{
    // Checked before hiding, so an amount that is not a number can be put right at once.
    if (!save())
        return;
    accept();
    if (m_reload)
        m_reload();
}

void setcostsform::cmdapply_Click()
{
    if (save() && m_reload)
        m_reload();
}
