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

bool WeekStepper::aboveLimit(const QString& text) const
{
    const QString digits = text.trimmed();
    if (digits.isEmpty())
        return false;
    for (const QChar c : digits) {
        if (!c.isDigit())
            return false;
    }
    bool ok = false;
    const qulonglong typed = locale().toULongLong(digits, &ok);
    // Too many digits to read is above any limit too.
    return !ok || typed > qulonglong(maximum());
}

QValidator::State WeekStepper::validate(QString& text, int& pos) const
{
    const QValidator::State state = QSpinBox::validate(text, pos);
    // The spin box would refuse the digit that takes a number past the limit, leaving the
    // digits before it: keep it, and let the finished entry become the limit.
    if (state == QValidator::Invalid && aboveLimit(text))
        return QValidator::Intermediate;
    return state;
}

void WeekStepper::fixup(QString& text) const
{
    if (aboveLimit(text))
        text = textFromValue(maximum());
    else
        QSpinBox::fixup(text);
}
