#pragma once

#include <QScrollBar>

namespace ondulix {

// A vertical scroll bar whose top end is the larger value, as the program's sliders and line
// selector need: the upper arrow, Up and Page Up raise the value. Qt keeps a vertical scroll
// bar's minimum at the top and inverting its appearance does not turn the arrows round, so the
// bar holds the negated value and speaks the program's value through level().
class UpwardScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    UpwardScrollBar(int bottom, int top, QWidget* parent = nullptr);

    int level() const { return -value(); }
    // Sets the value; a new value emits levelChanged before this returns, the same one nothing.
    void setLevel(int level) { setValue(-level); }

signals:
    void levelChanged(int level);
};

} // namespace ondulix
