#pragma once

#include "pattern/line_paging.h"
#include "platform/upward_scroll_bar.h"

#include <QLabel>

namespace ondulix {

// The line selector as the window holds it: the scroll bar's value is the line and the label
// beside it shows the number. Both are reached through the window's members, which exist only
// once the controls are built.
class ScrollBarLineSelector : public LineSelector
{
public:
    ScrollBarLineSelector(UpwardScrollBar* const& bar, QLabel* const& label)
        : m_bar(bar)
        , m_label(label)
    { }

    int line() const override { return m_bar->level(); }
    void setLine(int line) override { m_bar->setLevel(line); }
    void showLineNumber(int line) override { m_label->setText(QString::number(line)); }

private:
    UpwardScrollBar* const& m_bar;
    QLabel* const& m_label;
};

} // namespace ondulix
