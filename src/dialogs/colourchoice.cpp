#include "colourchoice.h"

#include "colourbox.h"
#include "gridstep.h"
#include "views/viewcolours.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace
{
constexpr std::array<quint32, colourchoice::Rows * colourchoice::Columns> kPalette{
    0xFFFFFF, 0xC0C0FF, 0xC0E0FF, 0xC0FFFF, 0xC0FFC0, 0xFFFFC0, 0xFFC0C0, 0xFFC0FF,
    0xE0E0E0, 0x8080FF, 0x80C0FF, 0x80FFFF, 0x80FF80, 0xFFFF80, 0xFF8080, 0xFF80FF,
    0xC0C0C0, 0x0000FF, 0x0080FF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFF0000, 0xFF00FF,
    0x808080, 0x0000C0, 0x0040C0, 0x00C0C0, 0x00C000, 0xC0C000, 0xC00000, 0xC000C0,
    0x404040, 0x000080, 0x004080, 0x008080, 0x008000, 0x808000, 0x800000, 0x800080,
    0x000000, 0x000040, 0x404080, 0x004040, 0x004000, 0x404000, 0x400000, 0x400040,
};

// The palette's measures, in twips (1/1440 inch).
constexpr int kSwatchTwips = 375;
constexpr int kPitchTwips = 480;
constexpr int kMarginTwips = 120;
} // namespace

quint32 colourchoice::paletteColour(int index)
{
    return kPalette[std::size_t(index)];
}

colourchoice::colourchoice(quint32 current, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("colourchoice"));
    setWindowTitle(QStringLiteral("Click on a colour"));

    const auto pixels = [this](int twips) { return qRound(twips * logicalDpiX() / 1440.0); };
    auto* palette = new QGridLayout;
    palette->setSpacing(pixels(kPitchTwips) - pixels(kSwatchTwips));
    for (int k = 0; k < Rows * Columns; ++k) {
        auto* swatch = new ColourBox(this);
        swatch->setObjectName(QStringLiteral("Picture1_") + QString::number(k));
        swatch->setColour(paletteColour(k));
        swatch->setFixedSize(pixels(kSwatchTwips), pixels(kSwatchTwips));
        swatch->setAccessibleName(ColourBox::describe(paletteColour(k)));
        swatch->installEventFilter(this);
        connect(swatch, &QAbstractButton::clicked, this, [this, k] { Picture1_Click(k); });
        palette->addWidget(swatch, k / Columns, k % Columns);
        m_picture1 << swatch;
    }

    m_preview = new QFrame(this);
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->setAccessibleName(QStringLiteral("Preview"));
    m_preview->setFrameShape(QFrame::Box);
    m_preview->setAutoFillBackground(true);
    m_preview->setFixedHeight(pixels(kSwatchTwips));
    showPreview(current);

    m_command1 = new QPushButton(QStringLiteral("Cancel"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_command1);

    auto* layout = new QVBoxLayout(this);
    const int margin = pixels(kMarginTwips);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->addLayout(palette);
    layout->addWidget(m_preview);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_command1, &QPushButton::clicked, this, &QDialog::reject);

    // The keyboard starts at the colour being replaced when the palette has it.
    const auto* start = std::find(kPalette.begin(), kPalette.end(), current);
    const int first = start != kPalette.end() ? int(start - kPalette.begin()) : 0;
    setCurrent(first);
    m_picture1.at(first)->setFocus();
}

void colourchoice::showPreview(quint32 colour)
{
    QPalette palette = m_preview->palette();
    palette.setColor(QPalette::Window, ViewColours::toQColor(colour));
    m_preview->setPalette(palette);
    m_preview->setAccessibleDescription(ColourBox::describe(colour));
}

void colourchoice::Picture1_Click(int index)
{
    m_chosen = paletteColour(index);
    accept();
}

bool colourchoice::eventFilter(QObject* watched, QEvent* event)
{
    const int index = int(m_picture1.indexOf(static_cast<ColourBox*>(watched)));
    if (index < 0)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Enter:
        showPreview(paletteColour(index));
        break;
    case QEvent::FocusIn:
        // The keyboard's way over the palette; the focus the window gives on opening is not.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason)
            showPreview(paletteColour(index));
        break;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Picture1_Click(index);
            return true;
        }
        return moveFocus(index, key);
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

bool colourchoice::moveFocus(int index, int key)
{
    const std::optional<int> next = gridStep(index, Rows, Columns, key);
    if (!next)
        return false;
    setCurrent(*next);
    m_picture1.at(*next)->setFocus(Qt::OtherFocusReason);
    return true;
}

void colourchoice::setCurrent(int index)
{
    // One tab stop for the whole palette; the arrow keys move within it.
    for (int k = 0; k < m_picture1.size(); ++k)
        m_picture1.at(k)->setFocusPolicy(k == index ? Qt::StrongFocus : Qt::ClickFocus);
}
