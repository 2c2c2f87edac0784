#include "platform/harmonics_view.h"

#include "wave/harmonic_edit.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace ondulix {

namespace {

constexpr QSize kViewSize {320, 220};
constexpr QSize kSmallestSize {240, 160};
constexpr double kMargin = 8.0;
constexpr double kLabelGap = 2.0; // the least room between two labels
constexpr double kGridStepDb = 20.0;
const QColor kBackground {0, 64, 0};
const QColor kGrid {0, 110, 0};
const QColor kBar {0, 255, 0};
const QColor kChosenBar {170, 255, 170};
const QColor kText {220, 255, 220};

double levelOnScale(double amplitude)
{
    const double db = decibels(amplitude);
    return std::isnan(db) ? kHarmonicScaleFloorDb
                          : std::clamp(db, kHarmonicScaleFloorDb, kHarmonicScaleTopDb);
}

bool clearOf(const QRectF& rect, const QRectF& other)
{
    return !rect.adjusted(-kLabelGap, -kLabelGap, kLabelGap, kLabelGap).intersects(other);
}

} // namespace

HarmonicsView::HarmonicsView(QWidget* parent)
    : QWidget(parent, Qt::Tool)
    , m_removeOffset(new QPushButton(QStringLiteral("Remove offset"), this))
{
    setObjectName(QStringLiteral("harmonicsView"));
    setWindowTitle(QStringLiteral("Harmonics"));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(kSmallestSize);
    resize(kViewSize);
    m_barLevels.fill(kHarmonicScaleFloorDb);
    m_removeOffset->setObjectName(QStringLiteral("cmdRemoveOffset"));
    // The keys belong to the bars; the button is a click, or the graph's menu.
    m_removeOffset->setFocusPolicy(Qt::NoFocus);
    connect(m_removeOffset, &QPushButton::clicked, this, &HarmonicsView::removeOffsetRequested);
}

void HarmonicsView::showHarmonics(const Harmonics& harmonics, const QString& depth)
{
    std::transform(
        harmonics.amplitude.begin(), harmonics.amplitude.end(), m_barLevels.begin(), levelOnScale);
    m_offset = harmonics.offset;
    m_depth = depth;
    update();
}

// The offset as the sample value it shifts the wave by, and in dB of full scale.
QString HarmonicsView::offsetText() const
{
    const double inSamples = m_offset * 500.0;
    if (std::abs(inSamples) < 0.05)
        return QStringLiteral("Offset: none");
    return QStringLiteral("Offset: %1 (%2 dB)")
        .arg(inSamples, 0, 'f', 1)
        .arg(decibels(m_offset), 0, 'f', 1);
}

QList<QRectF> HarmonicsView::labelRects() const
{
    QList<QRectF> rects;
    for (const Label& label : labels())
        rects << label.rect;
    rects << QRectF(m_removeOffset->geometry());
    return rects;
}

QRectF HarmonicsView::column(int harmonic) const
{
    const QRectF plot = plotArea();
    const double slot = plot.width() / kHarmonicCount;
    return {plot.left() + (harmonic - 1) * slot, plot.top(), slot, plot.height()};
}

void HarmonicsView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    const QRectF plot = plotArea();
    drawGrid(painter, plot);
    drawBars(painter, plot);
    painter.setPen(kText);
    for (const Label& label : labels()) {
        const QString text = fontMetrics().elidedText(
            label.text, Qt::ElideRight, static_cast<int>(label.rect.width()));
        painter.drawText(label.rect, static_cast<int>(label.alignment), text);
    }
}

void HarmonicsView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        m_chosen = std::clamp(m_chosen + (event->key() == Qt::Key_Left ? -1 : 1), 1,
            static_cast<int>(kHarmonicCount));
        update();
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        emit stepRequested(m_chosen, event->key() == Qt::Key_Up ? 1 : -1);
        break;
    case Qt::Key_Delete:
        emit removeRequested(m_chosen);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void HarmonicsView::mousePressEvent(QMouseEvent* event)
{
    const QRectF plot = plotArea();
    if (event->button() != Qt::LeftButton || event->buttons() != Qt::LeftButton
        || event->position().x() < plot.left() || event->position().x() >= plot.right()) {
        QWidget::mousePressEvent(event);
        return;
    }
    emit drawingStarted();
    drawTo(event->position());
}

void HarmonicsView::mouseMoveEvent(QMouseEvent* event)
{
    if (m_lastColumn >= 0 && (event->buttons() & Qt::LeftButton))
        drawTo(event->position());
}

void HarmonicsView::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_lastColumn < 0 || event->button() != Qt::LeftButton)
        return;
    m_lastColumn = -1;
}

void HarmonicsView::resizeEvent(QResizeEvent*)
{
    const QSize button = m_removeOffset->sizeHint();
    m_removeOffset->setGeometry(width() - static_cast<int>(kMargin) - button.width(),
        height() - static_cast<int>(kMargin) - button.height(), button.width(), button.height());
}

// Each column the pointer passed since the last event gets the height it passed at, so that a
// quick drag leaves no column out.
void HarmonicsView::drawTo(QPointF at)
{
    const QRectF plot = plotArea();
    const double slot = plot.width() / kHarmonicCount;
    const int column = std::clamp(static_cast<int>(std::floor((at.x() - plot.left()) / slot)), 0,
        static_cast<int>(kHarmonicCount) - 1);
    const double height = (at.y() - plot.top()) / plot.height();
    const int from = m_lastColumn < 0 || m_lastColumn == column
        ? column
        : m_lastColumn + (column > m_lastColumn ? 1 : -1);
    const int direction = column >= from ? 1 : -1;
    for (int c = from;; c += direction) {
        const double share = column == m_lastColumn || m_lastColumn < 0
            ? 1.0
            : double(c - m_lastColumn) / (column - m_lastColumn);
        emit levelDrawn(c + 1, decibelsAtHeight(m_lastHeight + (height - m_lastHeight) * share));
        if (c == column)
            break;
    }
    m_lastColumn = column;
    m_lastHeight = height;
    m_chosen = column + 1;
    update();
}

QRectF HarmonicsView::plotArea() const
{
    const double line = fontMetrics().height() + 2.0;
    const double scale = fontMetrics().horizontalAdvance(QStringLiteral("-60")) + 8.0;
    const double bottom = std::max(line, double(m_removeOffset->sizeHint().height()));
    return QRectF(kMargin + scale, kMargin + line, width() - 2 * kMargin - scale,
        height() - 2 * kMargin - 2 * line - bottom - kLabelGap);
}

// Every text in its place: the unit and the depth above the plot, the scale beside it, the
// harmonic numbers under it and the offset at the foot. Where labels would run together, every
// other one is left out.
QList<HarmonicsView::Label> HarmonicsView::labels() const
{
    const QRectF plot = plotArea();
    const double line = fontMetrics().height() + 2.0;
    QList<Label> labels;
    labels.append({QRectF(kMargin, kMargin, plot.left() - kMargin - kLabelGap, line - kLabelGap),
        QStringLiteral("dB"), Qt::AlignRight | Qt::AlignVCenter});
    if (!m_depth.isEmpty())
        labels.append({QRectF(plot.left() + kLabelGap * 2, kMargin, plot.width() - kLabelGap * 2,
                           line - kLabelGap),
            QStringLiteral("At %1").arg(m_depth), Qt::AlignRight | Qt::AlignVCenter});
    addScaleLabels(labels, plot);
    addNumberLabels(labels, plot);
    const QRectF button(m_removeOffset->geometry());
    labels.append(
        {QRectF(kMargin, button.top(), button.left() - kMargin - kLabelGap * 2, button.height()),
            offsetText(), Qt::AlignLeft | Qt::AlignVCenter});
    return labels;
}

void HarmonicsView::addScaleLabels(QList<Label>& labels, const QRectF& plot) const
{
    const double height = fontMetrics().height();
    const QRectF unit = labels.front().rect;
    QRectF last = unit;
    for (double db = 0.0; db >= kHarmonicScaleFloorDb; db -= kGridStepDb) {
        const double y = plot.top() + heightOfDecibels(db) * plot.height();
        const QRectF rect(kMargin, y - height / 2, plot.left() - kMargin - kLabelGap * 2, height);
        if (!clearOf(rect, last))
            continue;
        labels.append({rect, QString::number(db), Qt::AlignRight | Qt::AlignVCenter});
        last = rect;
    }
}

void HarmonicsView::addNumberLabels(QList<Label>& labels, const QRectF& plot) const
{
    const double slot = plot.width() / kHarmonicCount;
    const double height = fontMetrics().height();
    QRectF last;
    for (int k = 0; k < kHarmonicCount; ++k) {
        const QString text = QString::number(k + 1);
        const double width = fontMetrics().horizontalAdvance(text) + 2.0;
        const QRectF rect(
            plot.left() + (k + 0.5) * slot - width / 2, plot.bottom() + kLabelGap, width, height);
        if (!last.isNull() && !clearOf(rect, last))
            continue;
        labels.append({rect, text, Qt::AlignCenter});
        last = rect;
    }
}

void HarmonicsView::drawGrid(QPainter& painter, const QRectF& plot) const
{
    painter.setPen(kGrid);
    for (double db = 0.0; db >= kHarmonicScaleFloorDb; db -= kGridStepDb) {
        const double y = plot.top() + heightOfDecibels(db) * plot.height();
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
}

void HarmonicsView::drawBars(QPainter& painter, const QRectF& plot) const
{
    const double slot = plot.width() / kHarmonicCount;
    for (int k = 0; k < kHarmonicCount; ++k) {
        const double left = plot.left() + k * slot;
        const double top = plot.top() + heightOfDecibels(m_barLevels[k]) * plot.height();
        const bool chosen = k + 1 == m_chosen;
        painter.fillRect(
            QRectF(left + 2, top, slot - 4, plot.bottom() - top), chosen ? kChosenBar : kBar);
        if (chosen) {
            painter.setPen(kText);
            painter.drawRect(QRectF(left + 0.5, plot.top(), slot - 1, plot.height()));
        }
    }
}

} // namespace ondulix
