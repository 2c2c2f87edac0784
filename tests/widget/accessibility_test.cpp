#include "widget/window_fixture.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QPushButton>
#include <QSignalSpy>

using namespace ondulix;
using ondulix::testing::WindowTest;

namespace {

struct Accessible
{
    QAccessible::Role role;
    QString name;
};

// Every control below `node` as assistive technology finds it, by walking the accessible tree
// from the window down, in the tree's order.
void collect(QAccessibleInterface* node, std::vector<Accessible>& found)
{
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        found.push_back({child->role(), child->text(QAccessible::Name)});
        collect(child, found);
    }
}

class AccessibilityTest : public WindowTest
{
protected:
    static QAccessibleInterface* accessible(QWidget* widget)
    {
        QAccessibleInterface* found = QAccessible::queryAccessibleInterface(widget);
        EXPECT_NE(found, nullptr);
        return found;
    }

    std::vector<QString> namesWithRole(QAccessible::Role role) const
    {
        std::vector<Accessible> found;
        collect(accessible(window.get()), found);
        std::vector<QString> names;
        for (const Accessible& item : found) {
            if (item.role == role)
                names.push_back(item.name);
        }
        return names;
    }
};

TEST_F(AccessibilityTest, SampleSlidersAreNamedSampleOneToThirtyTwo)
{
    std::vector<QString> expected;
    for (int n = 1; n <= 32; ++n)
        expected.push_back(QStringLiteral("Sample %1").arg(n));
    std::vector<QString> sliders = namesWithRole(QAccessible::ScrollBar);
    std::erase(sliders, QStringLiteral("Line"));
    EXPECT_EQ(sliders, expected);
}

// The bar holds the negated value; what it reports is the sample, with 500 at the top.
TEST_F(AccessibilityTest, SampleSlidersReportTheSampleValueAndRange)
{
    for (int level : {0, 1, -1, 250, 500, -500}) {
        for (int i : {0, 13, 31}) {
            slider(i)->setLevel(level);
            QAccessibleInterface* sample = accessible(slider(i));
            ASSERT_NE(sample->valueInterface(), nullptr);
            EXPECT_EQ(sample->valueInterface()->currentValue().toInt(), level) << i;
            EXPECT_EQ(sample->text(QAccessible::Value), QString::number(level)) << i;
        }
    }
    QAccessibleValueInterface* range = accessible(slider(7))->valueInterface();
    EXPECT_EQ(range->maximumValue().toInt(), 500);
    EXPECT_EQ(range->minimumValue().toInt(), -500);
    EXPECT_EQ(range->minimumStepSize().toInt(), 1);
}

TEST_F(AccessibilityTest, ValueSetThroughAccessibilityRunsTheSliderChange)
{
    QSignalSpy handled(window.get(), &frmOndulix::sampleChangeHandled);
    accessible(slider(4))->valueInterface()->setCurrentValue(-125);
    EXPECT_EQ(slider(4)->level(), -125);
    ASSERT_EQ(handled.count(), 1);
    EXPECT_EQ(handled.at(0).at(0).toInt(), 4);
    EXPECT_EQ(labelText(QStringLiteral("lblSlideVal")), QStringLiteral("-0.125"));
}

TEST_F(AccessibilityTest, LineSelectorReportsTheLine)
{
    auto* selector = control<UpwardScrollBar>(QStringLiteral("VScroll1"));
    QAccessibleInterface* line = accessible(selector);
    EXPECT_EQ(line->text(QAccessible::Name), QStringLiteral("Line"));
    EXPECT_EQ(line->valueInterface()->currentValue().toInt(), 1);
    selector->setLevel(7);
    EXPECT_EQ(line->valueInterface()->currentValue().toInt(), 7);
    EXPECT_EQ(line->valueInterface()->maximumValue().toInt(), 33);
    EXPECT_EQ(line->valueInterface()->minimumValue().toInt(), 0);
}

TEST_F(AccessibilityTest, PresetButtonsAreNamedByTheirTooltips)
{
    const char* names[] = {"Reset", "Square", "Sine", "Ramp2", "Ramp1", "Traingle", "Double Sine",
        "Random Existing", "Random"};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(accessible(preset(i))->text(QAccessible::Name), QString::fromLatin1(names[i]));
        EXPECT_EQ(accessible(preset(i))->text(QAccessible::Name), preset(i)->toolTip());
    }
}

// Captions are read as they stand, blanks included.
TEST_F(AccessibilityTest, EveryCommandButtonIsNamedByItsCaption)
{
    const std::vector<QString> expected {QStringLiteral("Open CSV"), QStringLiteral("Save CSV"),
        QStringLiteral("Configure Quenfer path"), QStringLiteral("Make Mem File"),
        QStringLiteral("Normalize"), QStringLiteral("Generate to  Clipboard"),
        QStringLiteral("Generate to Memory")};
    std::vector<QString> named = namesWithRole(QAccessible::Button);
    std::sort(named.begin(), named.end());
    std::vector<QString> sorted = expected;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(named, sorted);

    for (QPushButton* button : window->findChildren<QPushButton*>())
        EXPECT_EQ(accessible(button)->text(QAccessible::Name), button->text());
}

} // namespace
