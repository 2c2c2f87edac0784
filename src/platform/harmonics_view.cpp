#include "platform/harmonics_view.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace ondulix {

namespace {

constexpr QSize kViewSize {300, 200};
constexpr double kMargin = 8.0;
constexpr double kScaleWidth = 34.0; // the dB labels
constexpr double kNumberHeight = 14.0; // the harmonic numbers under the bars
constexpr double kOffsetHeight = 18.0;
constexpr double kGridStepDb = 20.0;
const QColor kBackground {0, 64, 0};
const QColor kGrid {0, 110, 0};
const QColor kBar {0, 255, 0};
const QColor kText {220, 255, 220};

double levelOnScale(double amplitude)
{
    const double db = decibels(amplitude);
    return std::isnan(db) ? HarmonicsView::kFloorDb
                          : std::clamp(db, HarmonicsView::kFloorDb, HarmonicsView::kTopDb);
}

} // namespace

HarmonicsView::HarmonicsView(QWidget* parent)
    : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("harmonicsView"));
    setWindowTitle(QStringLiteral("Harmonics"));
    setFixedSize(kViewSize);
    m_barLevels.fill(kFloorDb);
}

void HarmonicsView::showHarmonics(const Harmonics& harmonics)
{
    std::transform(
        harmonics.amplitude.begin(), harmonics.amplitude.end(), m_barLevels.begin(), levelOnScale);
    m_offset = harmonics.offset;
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

void HarmonicsView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    const QRectF plot = plotArea();
    drawScale(painter, plot);
    drawBars(painter, plot);
    painter.setPen(kText);
    painter.drawText(
        QRectF(kMargin, height() - kOffsetHeight, width() - 2 * kMargin, kOffsetHeight),
        Qt::AlignLeft | Qt::AlignVCenter, offsetText());
}

void HarmonicsView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

QRectF HarmonicsView::plotArea() const
{
    return QRectF(kMargin + kScaleWidth, kMargin, width() - 2 * kMargin - kScaleWidth,
        height() - 2 * kMargin - kNumberHeight - kOffsetHeight);
}

void HarmonicsView::drawScale(QPainter& painter, const QRectF& plot) const
{
    const double perDb = plot.height() / (kTopDb - kFloorDb);
    for (double db = 0.0; db >= kFloorDb; db -= kGridStepDb) {
        const double y = plot.top() + (kTopDb - db) * perDb;
        painter.setPen(kGrid);
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(kText);
        painter.drawText(QRectF(kMargin, y - 8, kScaleWidth - 4, 16),
            Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1").arg(db));
    }
}

void HarmonicsView::drawBars(QPainter& painter, const QRectF& plot) const
{
    const double slot = plot.width() / kHarmonicCount;
    const double perDb = plot.height() / (kTopDb - kFloorDb);
    for (int k = 0; k < kHarmonicCount; ++k) {
        const double left = plot.left() + k * slot;
        const double top = plot.top() + (kTopDb - m_barLevels[k]) * perDb;
        painter.fillRect(QRectF(left + 2, top, slot - 4, plot.bottom() - top), kBar);
        if (k % 2 == 0 || k == kHarmonicCount - 1) {
            painter.setPen(kText);
            painter.drawText(QRectF(left - 4, plot.bottom(), slot + 8, kNumberHeight),
                Qt::AlignCenter, QString::number(k + 1));
        }
    }
}

} // namespace ondulix
