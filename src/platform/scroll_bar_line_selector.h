#pragma once

#include "pattern/line_paging.h"
#include "platform/upward_scroll_bar.h"

#include <QLabel>

namespace ondulix {

// The line selector as the window holds it: the scroll bar's value is the line and the label
// beside it shows the number. Made once both controls exist.
class ScrollBarLineSelector : public LineSelector
{
public:
    ScrollBarLineSelector(UpwardScrollBar& bar, QLabel& label)
        : m_bar(bar)
        , m_label(label)
    { }

    int line() const override { return m_bar.level(); }
    void setLine(int line) override { m_bar.setLevel(line); }
    void showLineNumber(int line) override { m_label.setText(QString::number(line)); }

private:
    UpwardScrollBar& m_bar;
    QLabel& m_label;
};

} // namespace ondulix
