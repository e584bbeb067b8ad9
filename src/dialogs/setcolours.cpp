#include "setcolours.h"

#include "colourbox.h"
#include "colourchoice.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace
{
struct Row {
    int number;        // the colour's number, and its swatch's
    const char* label; // the label's name
    const char* caption;
};
// Top to bottom: the main colours first.
constexpr std::array<Row, ColourScheme::Count> kRows{{
    {ColourScheme::MainBackground, "Label2", "&Main Background colour"},
    {ColourScheme::MainText, "Label4", "Main &Foreground Text colour"},
    {ColourScheme::SecondaryBackground, "Label1", "&Secondary Background colour"},
    {ColourScheme::SecondaryText, "Label3", "Secondary &Text colour"},
}};

QPushButton* button(const QString& name, const QString& caption, QWidget* parent)
{
    auto* pushButton = new QPushButton(caption, parent);
    pushButton->setObjectName(name);
    return pushButton;
}
} // namespace

setcolours::setcolours(SettingsStore& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("setcolours"));
    setWindowTitle(QStringLiteral("Set colours"));

    m_frame1 = new QGroupBox(QStringLiteral("Set the global colours used in application"), this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    auto* rows = new QGridLayout(m_frame1);
    rows->setHorizontalSpacing(12);
    for (int r = 0; r < int(kRows.size()); ++r) {
        const Row& row = kRows[std::size_t(r)];
        auto* swatch = new ColourBox(m_frame1);
        swatch->setObjectName(QStringLiteral("tb_") + QString::number(row.number));
        swatch->setFixedSize(48, 24);
        auto* label = new QLabel(QString::fromLatin1(row.caption), m_frame1);
        label->setObjectName(QString::fromLatin1(row.label));
        label->setBuddy(swatch);
        swatch->setAccessibleName(QString::fromLatin1(row.caption).remove(QLatin1Char('&')));
        connect(swatch, &QAbstractButton::clicked, this, [this, n = row.number] { tb_Click(n); });
        m_tb[std::size_t(row.number)] = swatch;
        rows->addWidget(swatch, r, 0);
        rows->addWidget(label, r, 1);
    }
    rows->setColumnStretch(1, 1);

    m_defaults = button(QStringLiteral("defaults"), QStringLiteral("&Defaults"), this);
    m_defaults->setAutoDefault(false);
    m_cmdok = button(QStringLiteral("cmdok"), QStringLiteral("OK"), this);
    m_cmdok->setDefault(true);
    m_cmdcancel = button(QStringLiteral("cmdcancel"), QStringLiteral("Cancel"), this);
    m_cmdcancel->setAutoDefault(false);
    m_cmdapply = button(QStringLiteral("cmdapply"), QStringLiteral("&Apply"), this);
    m_cmdapply->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_defaults);
    buttons->addStretch();
    buttons->addWidget(m_cmdok);
    buttons->addWidget(m_cmdcancel);
    buttons->addWidget(m_cmdapply);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_frame1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_defaults, &QPushButton::clicked, this, &setcolours::defaults_Click);
    connect(m_cmdok, &QPushButton::clicked, this, &setcolours::cmdok_Click);
    connect(m_cmdcancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_cmdapply, &QPushButton::clicked, this, &setcolours::cmdapply_Click);
}

void setcolours::showEvent(QShowEvent* event)
{
    // Choices not applied last time are gone: every opening starts from the stored scheme.
    if (!event->spontaneous()) {
        ColourScheme stored;
        stored.load(m_settings);
        showScheme(stored);
    }
    QDialog::showEvent(event);
}

ColourScheme setcolours::shown() const
{
    ColourScheme scheme;
    for (int n = 0; n < ColourScheme::Count; ++n)
        scheme.setColour(n, m_tb[std::size_t(n)]->colour());
    return scheme;
}

void setcolours::showScheme(const ColourScheme& scheme)
{
    for (int n = 0; n < ColourScheme::Count; ++n) {
        ColourBox* swatch = m_tb[std::size_t(n)];
        swatch->setColour(scheme.colour(n));
        swatch->setAccessibleDescription(ColourBox::describe(scheme.colour(n)));
    }
}

void setcolours::tb_Click(int number)
{
    m_target = number;
    colourchoice picker(m_tb[std::size_t(m_target)]->colour(), this);
    if (picker.exec() != QDialog::Accepted || !picker.chosen())
        return;
    ColourScheme scheme = shown();
    scheme.setColour(m_target, *picker.chosen());
    showScheme(scheme);
}

void setcolours::defaults_Click()
{
    showScheme(ColourScheme());
}

void setcolours::cmdapply_Click()
{
    const ColourScheme scheme = shown();
    scheme.save(m_settings);
    if (m_apply)
        m_apply(scheme);
}

void setcolours::cmdok_Click()
{
    cmdapply_Click();
    accept();
}
