#include "holidayeditor.h"

#include "platform/formats.h"
#include "spinboxname.h"
#include "tariff/tarifftable.h"
#include "tariff/ukbankholidays.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

namespace
{
QPushButton* button(const QString& name, const QString& caption, QWidget* parent)
{
    auto* result = new QPushButton(caption, parent);
    result->setObjectName(name);
    result->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    // Enter in the editor means OK; these act only when pressed.
    result->setAutoDefault(false);
    return result;
}
} // namespace

HolidayEditor::HolidayEditor(TariffTable& tariff, QWidget* parent)
    : QGroupBox(QStringLiteral("Holidays"), parent), m_tariff(tariff),
      m_list(new QListWidget(this)), m_day(new QDateEdit(this)),
      m_add(button(QStringLiteral("addholiday"), QStringLiteral("Add to &list"), this)),
      m_remove(button(QStringLiteral("removeholiday"), QStringLiteral("&Remove"), this)),
      m_year(new QSpinBox(this)),
      m_addYear(button(QStringLiteral("addbankholidays"),
                       QStringLiteral("Add the UK ban&k holidays for a year"), this))
{
    setObjectName(QStringLiteral("holidayframe"));
    auto* listLabel = new QLabel(QStringLiteral("Holida&ys, costed as Sundays"), this);
    listLabel->setBuddy(m_list);
    m_list->setObjectName(QStringLiteral("holidays"));
    m_list->setAccessibleName(QStringLiteral("Holidays, costed as Sundays"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* dayLabel = new QLabel(QStringLiteral("&New holiday"), this);
    dayLabel->setBuddy(m_day);
    m_day->setObjectName(QStringLiteral("holidaydate"));
    setSpinBoxName(m_day, QStringLiteral("New holiday"));
    m_day->setDisplayFormat(QStringLiteral("ddd dd MMM yyyy"));
    m_day->setCalendarPopup(true);
    m_day->setDate(QDate::currentDate());
    auto* yearLabel = new QLabel(QStringLiteral("Y&ear"), this);
    yearLabel->setBuddy(m_year);
    m_year->setObjectName(QStringLiteral("holidayyear"));
    setSpinBoxName(m_year, QStringLiteral("Year"));
    m_year->setRange(UkBankHolidays::FirstYear, UkBankHolidays::LastYear);
    m_year->setValue(QDate::currentDate().year());
    m_addYear->setToolTip(
        // As rich text, so that the tip is wrapped.
        QStringLiteral("<p>England and Wales, with the weekdays that stand in for holidays at the "
                       "weekend, and the holidays moved or added for an occasion up to %1. Add "
                       "or remove later special days by hand.</p>")
            .arg(UkBankHolidays::RecordedUntil));

    auto* layout = new QGridLayout(this);
    layout->addWidget(listLabel, 0, 0, 1, 3);
    layout->addWidget(m_list, 1, 0, 1, 3);
    layout->addWidget(m_remove, 2, 2);
    layout->addWidget(dayLabel, 3, 0);
    layout->addWidget(m_day, 3, 1);
    layout->addWidget(m_add, 3, 2);
    layout->addWidget(yearLabel, 4, 0);
    layout->addWidget(m_year, 4, 1);
    layout->addWidget(m_addYear, 5, 0, 1, 3);
    layout->setRowStretch(1, 1);

    connect(m_add, &QPushButton::clicked, this, &HolidayEditor::addDay);
    connect(m_addYear, &QPushButton::clicked, this, &HolidayEditor::addBankHolidays);
    connect(m_remove, &QPushButton::clicked, this, &HolidayEditor::removeChosen);
    connect(m_list, &QListWidget::itemSelectionChanged, this,
            [this] { m_remove->setEnabled(!m_list->selectedItems().isEmpty()); });
    showFields();
}

void HolidayEditor::showFields()
{
    m_list->clear();
    for (const QDate& day : m_tariff.holidays().days()) {
        auto* item = new QListWidgetItem(Formats::dddDdMmmYyyy(day), m_list);
        item->setData(Qt::UserRole, day);
    }
    m_remove->setEnabled(false);
}

void HolidayEditor::addDay()
{
    HolidayList holidays = m_tariff.holidays();
    holidays.add(m_day->date());
    m_tariff.setHolidays(holidays);
    showFields();
}

void HolidayEditor::addBankHolidays()
{
    HolidayList holidays = m_tariff.holidays();
    holidays.addAll(UkBankHolidays::forYear(m_year->value()));
    m_tariff.setHolidays(holidays);
    showFields();
}

void HolidayEditor::removeChosen()
{
    HolidayList holidays = m_tariff.holidays();
    for (const QListWidgetItem* item : m_list->selectedItems())
        holidays.remove(item->data(Qt::UserRole).toDate());
    m_tariff.setHolidays(holidays);
    showFields();
    // The button is off now that nothing is chosen; the keyboard stays with the list.
    m_list->setFocus();
}
