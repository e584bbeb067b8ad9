#include "weekstepper.h"

namespace
{
// What the spin box asks for on Page Up and Page Down.
constexpr int SpinBoxPage = 10;
} // namespace

WeekStepper::WeekStepper(QWidget* parent) : QSpinBox(parent)
{
    // The figures follow a finished entry, not every digit typed.
    setKeyboardTracking(false);
}

void WeekStepper::stepBy(int steps)
{
    const int pages = steps / SpinBoxPage;
    QSpinBox::stepBy(pages * PageWeeks + steps % SpinBoxPage);
}
