#pragma once

#include <QAbstractSpinBox>
#include <QLineEdit>

// A spin box and the text field inside it go by one name, so a screen reader names the field the
// keyboard types into as well.
inline void setSpinBoxName(QAbstractSpinBox* box, const QString& name)
{
    box->setAccessibleName(name);
    if (auto* field = box->findChild<QLineEdit*>())
        field->setAccessibleName(name);
}
