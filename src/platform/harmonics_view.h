#pragma once

#include "sound/harmonics.h"

#include <QList>
#include <QWidget>
#include <array>

class QPainter;
class QPushButton;

namespace ondulix {

// A small tool window beside the main window: harmonics 1..16 as bars on a dB scale, and the
// offset written apart, since it is no harmonic one hears. It is an editor too: a press or a
// drag in a column draws that harmonic's level, Left and Right choose a harmonic, Up and Down
// step it by 1 dB, Delete removes it. It only says what the user asked for; the wave changes
// elsewhere, and comes back through showHarmonics().
class HarmonicsView : public QWidget
{
    Q_OBJECT

public:
    explicit HarmonicsView(QWidget* parent);

    // `depth` names the chip depth the harmonics are of; empty for the exact wave.
    void showHarmonics(const Harmonics& harmonics, const QString& depth = {});

    // What is drawn: each bar's level on the scale (the floor for nothing above it), the
    // offset's text, the harmonic chosen by the keys (1..16) and every text's rectangle.
    const std::array<double, kHarmonicCount>& barLevels() const { return m_barLevels; }
    QString offsetText() const;
    int chosenHarmonic() const { return m_chosen; }
    QList<QRectF> labelRects() const;
    // Where harmonic h (1..16) is drawn, the full height of the scale.
    QRectF column(int harmonic) const;
    QPushButton& removeOffsetButton() const { return *m_removeOffset; }

signals:
    // A press of the left button starts a drawing, and its release ends it; in between each
    // harmonic the pointer passes gets the level at the pointer's height.
    void drawingStarted();
    void levelDrawn(int harmonic, double decibels);
    // Up (+1) or Down (-1) on the chosen harmonic.
    void stepRequested(int harmonic, int direction);
    void removeRequested(int harmonic);
    void removeOffsetRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Label
    {
        QRectF rect;
        QString text;
        Qt::Alignment alignment;
    };

    QRectF plotArea() const;
    QList<Label> labels() const;
    void addScaleLabels(QList<Label>& labels, const QRectF& plot) const;
    void addNumberLabels(QList<Label>& labels, const QRectF& plot) const;
    void drawGrid(QPainter& painter, const QRectF& plot) const;
    void drawBars(QPainter& painter, const QRectF& plot) const;
    void drawTo(QPointF at);

    std::array<double, kHarmonicCount> m_barLevels {};
    double m_offset = 0.0;
    QString m_depth;
    int m_chosen = 1;
    int m_lastColumn = -1; // of the drawing under way; -1 when none is
    double m_lastHeight = 0.0;
    QPushButton* m_removeOffset = nullptr;
};

} // namespace ondulix
