#include "platform/upward_scroll_bar.h"

namespace ondulix {

UpwardScrollBar::UpwardScrollBar(int bottom, int top, QWidget* parent)
    : QScrollBar(Qt::Vertical, parent)
{
    setRange(-top, -bottom);
    setSingleStep(1);
    setPageStep(1);
    // The smaller stored value is at the top, so the keys that move up must subtract.
    setInvertedControls(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(
        this, &QScrollBar::valueChanged, this, [this](int stored) { emit levelChanged(-stored); });
}

} // namespace ondulix
