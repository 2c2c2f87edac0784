#include "platform/table_overview_view.h"

#include "platform/qt_colour.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace ondulix {

namespace {

constexpr QSize kStartSize {360, 300};
constexpr QSize kSmallest {120, 100};
const QColor kStoredBeneath {0, 150, 0}; // the graph's centre lines: dim, yet seen
const QColor kNeverStored {0, 100, 0}; // the graph's quarter lines: faint
const QColor kCurrent {255, 255, 255};
const QColor kPlaying {255, 200, 0};

// One logical pixel wide, or `weight`, rounded to whole device pixels so the aliased lines
// stay crisp at any device pixel ratio.
QPen linePen(const QColor& colour, const QPainter& painter, int weight = 1)
{
    QPen pen(colour);
    pen.setCosmetic(true);
    pen.setWidth(std::max(1, qRound(weight * painter.device()->devicePixelRatioF())));
    return pen;
}

void drawWave(QPainter& painter, const Waterfall& waterfall, const Wave& wave, int line)
{
    const WaterfallWave segments = waterfall.segments(wave, line);
    std::array<QLineF, kSampleCount - 1> lines;
    std::transform(segments.begin(), segments.end(), lines.begin(),
        [](const WaterfallSegment& s) { return QLineF(s.x1, s.y1, s.x2, s.y2); });
    painter.drawLines(lines.data(), static_cast<int>(lines.size()));
}

} // namespace

TableOverviewView::TableOverviewView(QWidget* parent)
    : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("tableOverview"));
    setWindowTitle(QStringLiteral("Pattern table"));
    setAccessibleName(QStringLiteral("Pattern table"));
    setMinimumSize(kSmallest);
    resize(kStartSize);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    describe();
}

void TableOverviewView::setLines(const OverviewLines& lines)
{
    m_lines = lines;
    update();
}

void TableOverviewView::setCurrent(int line, const Wave& sliders)
{
    const bool moved = line != m_current;
    m_current = std::clamp(line, 1, Waterfall::kLines);
    m_sliders = sliders;
    if (moved)
        describe();
    update();
}

void TableOverviewView::setPlaying(int line)
{
    if (line == m_playing)
        return;
    m_playing = line;
    describe();
    update();
}

void TableOverviewView::describe()
{
    QString text
        = QStringLiteral("All 32 lines of the pattern table; line %1 is current.").arg(m_current);
    if (m_playing != 0)
        text += QStringLiteral(" The sweep plays line %1.").arg(m_playing);
    setAccessibleDescription(text);
}

// Back to front, so that the lines in front cover those behind, as a waterfall does.
void TableOverviewView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(kGraphBackground));
    painter.setRenderHint(QPainter::Antialiasing, false);
    const Waterfall waterfall(width(), height());
    for (int line = Waterfall::kLines; line >= 1; --line) {
        if (line == m_current)
            drawCurrentLine(painter, waterfall);
        else
            drawStoredLine(painter, waterfall, line);
    }
    if (m_playing != 0)
        drawPlayingMark(painter, waterfall);
}

// From the sliders, over its stored wave drawn dimly where the two differ.
void TableOverviewView::drawCurrentLine(QPainter& painter, const Waterfall& waterfall) const
{
    const int at = m_current - 1;
    if (m_lines.stored[at] && m_lines.wave[at] != m_sliders) {
        painter.setPen(linePen(kStoredBeneath, painter));
        drawWave(painter, waterfall, m_lines.wave[at], m_current);
    }
    painter.setPen(linePen(kCurrent, painter, 2));
    drawWave(painter, waterfall, m_sliders, m_current);
}

// A line never stored is all zeros, drawn faintly.
void TableOverviewView::drawStoredLine(
    QPainter& painter, const Waterfall& waterfall, int line) const
{
    const int at = line - 1;
    if (line == m_playing)
        painter.setPen(linePen(kPlaying, painter, 2));
    else
        painter.setPen(
            linePen(m_lines.stored[at] ? toQColor(kCurveColour) : kNeverStored, painter));
    drawWave(painter, waterfall, m_lines.wave[at], line);
}

// A mark at the left of the playing line, so it is found even while it is the current one.
void TableOverviewView::drawPlayingMark(QPainter& painter, const Waterfall& waterfall) const
{
    const double y = waterfall.baseline(m_playing);
    const double x = waterfall.offset(m_playing);
    painter.setPen(linePen(kPlaying, painter, 2));
    painter.drawLine(QLineF(x - 5, y, x - 1, y));
}

void TableOverviewView::keyPressEvent(QKeyEvent* event)
{
    const bool alt = event->modifiers() == Qt::AltModifier;
    const bool plain
        = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (alt)
            emit moveRequested(m_current, event->key() == Qt::Key_Up ? 1 : -1);
        else if (plain)
            emit lineRequested(m_current + (event->key() == Qt::Key_Up ? 1 : -1));
        else
            break;
        return;
    case Qt::Key_Home:
    case Qt::Key_End:
        if (!plain)
            break;
        emit lineRequested(event->key() == Qt::Key_Home ? 1 : Waterfall::kLines);
        return;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void TableOverviewView::mousePressEvent(QMouseEvent* event)
{
    const int line = Waterfall(width(), height()).lineNearest(event->position().y());
    if (event->button() == Qt::RightButton && event->buttons() == Qt::RightButton)
        emit menuRequested(event->globalPosition().toPoint(), line);
    else if (event->button() == Qt::LeftButton)
        emit lineRequested(line);
    event->accept();
}

// Qt turns the Menu key into this event; the mouse's own is answered at the press above.
void TableOverviewView::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() == QContextMenuEvent::Keyboard) {
        const Waterfall waterfall(width(), height());
        const QPoint at(qRound(waterfall.offset(m_current)), qRound(waterfall.baseline(m_current)));
        emit menuRequested(mapToGlobal(at), m_current);
    }
    event->accept();
}

} // namespace ondulix
