#pragma once

#include "sound/harmonics.h"

#include <QWidget>
#include <array>

class QPainter;

namespace ondulix {

// A small tool window beside the main window: harmonics 1..16 as bars on a dB scale, and the
// offset written apart, since it is no harmonic one hears.
class HarmonicsView : public QWidget
{
    Q_OBJECT

public:
    // The bars' scale. Its floor keeps a sine's rounding noise (about -75 dB) out of sight.
    static constexpr double kFloorDb = -60.0;
    static constexpr double kTopDb = 6.0; // a full-scale square's fundamental is +2.1 dB

    explicit HarmonicsView(QWidget* parent);

    void showHarmonics(const Harmonics& harmonics);

    // What is drawn: each bar's level on the scale (kFloorDb for nothing above the floor), and
    // the offset's text.
    const std::array<double, kHarmonicCount>& barLevels() const { return m_barLevels; }
    QString offsetText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QRectF plotArea() const;
    void drawScale(QPainter& painter, const QRectF& plot) const;
    void drawBars(QPainter& painter, const QRectF& plot) const;

    std::array<double, kHarmonicCount> m_barLevels {};
    double m_offset = 0.0;
};

} // namespace ondulix
