#pragma once

#include "wave/sample_set.h"
#include "wave/waterfall.h"

#include <QWidget>
#include <array>

class QPainter;

namespace ondulix {

// What the overview draws: the 32 lines as paging would load them, and which were ever stored.
struct OverviewLines
{
    std::array<Wave, Waterfall::kLines> wave {};
    std::array<bool, Waterfall::kLines> stored {};
};

// The pattern table as a waterfall in a tool window of its own, in the graph's colours: line 1 in
// front at the bottom, line 32 at the back at the top. The current line is drawn from the
// sliders and stands out; where the sliders differ from what its line holds, the stored wave
// lies dimly beneath; a line never stored is a faint flat line; the line a sweep plays is marked.
//
// It only asks: paging, moving and the menu come back as requests for whoever owns the table.
class TableOverviewView : public QWidget
{
    Q_OBJECT

public:
    explicit TableOverviewView(QWidget* parent);

    void setLines(const OverviewLines& lines);
    void setCurrent(int line, const Wave& sliders);
    // 0: no sweep plays.
    void setPlaying(int line);

signals:
    // A line to page to: Up, Down (33 and 0 wrap as the line selector does), Home, End, a click.
    void lineRequested(int line);
    // Alt+Up (+1) and Alt+Down (-1) on the current line.
    void moveRequested(int line, int direction);
    // A right press over a line, or the Menu key on the current line.
    void menuRequested(const QPoint& globalPosition, int line);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void describe();
    void drawCurrentLine(QPainter& painter, const Waterfall& waterfall) const;
    void drawStoredLine(QPainter& painter, const Waterfall& waterfall, int line) const;
    void drawPlayingMark(QPainter& painter, const Waterfall& waterfall) const;

    OverviewLines m_lines;
    int m_current = 1;
    Wave m_sliders {};
    int m_playing = 0;
};

} // namespace ondulix
