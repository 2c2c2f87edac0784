#pragma once

#include "pattern/pattern_table.h"

#include <QSpinBox>

namespace ondulix {

// A box for a line of the table, 1 to 32, as the dialogs that work on lines ask for one.
inline QSpinBox* lineBox(const QString& name, int value = 1)
{
    auto* box = new QSpinBox;
    box->setObjectName(name);
    box->setRange(1, kPatternLineCount);
    box->setValue(value);
    return box;
}

} // namespace ondulix
