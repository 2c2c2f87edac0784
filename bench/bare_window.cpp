// The yardstick for the program's start-up footprint: a bare Qt window of the same make, 414 x
// 549 in the Fusion style and the same font, with 32 scroll bars, two labels and a widget that
// paints a list of lines, and no program behind it. bench/startup_footprint.sh measures both.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QLineF>
#include <QPainter>
#include <QScrollBar>
#include <QStyleFactory>
#include <QWidget>
#include <vector>

namespace {

// A grid and a curve across it, as the graph draws them: a display list painted whole.
class LineList : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0, 64, 0));
        painter.setPen(QColor(0, 255, 0));
        std::vector<QLineF> lines;
        for (int i = 0; i < 31; ++i)
            lines.emplace_back(i * 8.0, 125.0 + (i % 2) * 40.0, (i + 1) * 8.0, 125.0);
        painter.drawLines(lines.data(), static_cast<int>(lines.size()));
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8.25);
    QApplication::setFont(font);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.resize(414, 549);
    auto* graph = new LineList(&window);
    graph->setGeometry(8, 8, 256, 250);
    for (int i = 0; i < 32; ++i) {
        auto* bar = new QScrollBar(Qt::Vertical, &window);
        bar->setRange(-500, 500);
        bar->setGeometry(8 + i * 12, 270, 12, 200);
    }
    auto* number = new QLabel(QStringLiteral("#"), &window);
    number->setGeometry(280, 20, 40, 20);
    auto* value = new QLabel(QStringLiteral("Value"), &window);
    value->setGeometry(330, 20, 60, 20);
    window.show();
    return QApplication::exec();
}
