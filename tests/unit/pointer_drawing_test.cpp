#include "wave/pointer_drawing.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace ondulix;

namespace {

std::optional<PointerTarget> leftDragAt(float x, float y)
{
    return pointerTarget(kLeftButtonBit, true, x, y);
}

// The exact rules on whole pixels: column = floor(32 x units / 3755), value = 500 - floor(units
// x 4 / 15), here in integers so that no rounding of the program's own sort can creep in.
int exactColumn(int units)
{
    return units * 32 / 3755;
}
int exactValue(int units)
{
    return 500 - units * 4 / 15;
}

TEST(PointerMapping, NamedPositionsAtFifteenUnitsPerPixel)
{
    const struct
    {
        int pixelX, pixelY, column, value;
    } cases[] = {{0, 0, 0, 500}, {8, 40, 1, 340}, {125, 125, 15, 0}, {250, 250, 31, -500}};
    for (const auto& c : cases) {
        EXPECT_EQ(
            leftDragAt(c.pixelX * 15.0f, c.pixelY * 15.0f), (PointerTarget {c.column, c.value}))
            << c.pixelX << ", " << c.pixelY;
    }
    EXPECT_EQ(leftDragAt(251 * 15.0f, 100 * 15.0f), std::nullopt);
}

TEST(PointerMapping, EveryPixelFollowsTheExactRule)
{
    for (const int unitsPerPixel : {15, 12, 10}) {
        const int lastPixel = 3755 / unitsPerPixel;
        for (int p = 0; p <= lastPixel + 1; ++p) {
            const int units = p * unitsPerPixel;
            const auto target = leftDragAt(float(units), float(units));
            if (units >= 3756) {
                EXPECT_EQ(target, std::nullopt) << unitsPerPixel << " " << p;
                continue;
            }
            ASSERT_TRUE(target) << unitsPerPixel << " " << p;
            EXPECT_EQ(target->column, exactColumn(units)) << unitsPerPixel << " " << p;
            EXPECT_EQ(target->value, exactValue(units)) << unitsPerPixel << " " << p;
        }
    }
}

TEST(PointerMapping, AtTwelveUnitsPerPixelTheLowestReachableValueIsMinus498)
{
    EXPECT_EQ(leftDragAt(3744, 3744), (PointerTarget {31, -498}));
    EXPECT_EQ(leftDragAt(3756, 3756), std::nullopt);
    EXPECT_EQ(leftDragAt(12, 12), (PointerTarget {0, 497}));
}

TEST(PointerMapping, ColumnAndStepBoundariesBelongToTheColumnAndStepTheyStart)
{
    for (int c = 1; c < 32; ++c) {
        const float boundary = c * 117.34375f;
        EXPECT_EQ(leftDragAt(boundary, 0)->column, c);
        EXPECT_EQ(leftDragAt(std::nextafter(boundary, 0.0f), 0)->column, c - 1);
    }
    EXPECT_EQ(leftDragAt(0, 3.75f)->value, 499);
    EXPECT_EQ(leftDragAt(0, std::nextafter(3.75f, 0.0f))->value, 500);
    EXPECT_EQ(leftDragAt(0, 3750)->value, -500);
}

// Fractional screen scales report positions just past the graph; they go to the nearest edge.
TEST(PointerMapping, PositionsPastTheGraphEdgeAreClampedToIt)
{
    const struct
    {
        float x, y;
        int column, value;
    } cases[] = {
        {-0.5f, 1875, 0, 0},
        {std::nextafter(-1.0f, 0.0f), 1875, 0, 0},
        {3755, 1875, 31, 0},
        {std::nextafter(3756.0f, 0.0f), 1875, 31, 0},
        {1875, -0.5f, 15, 500},
        {1875, std::nextafter(-1.0f, 0.0f), 15, 500},
        {1875, 3753.75f, 15, -500},
        {1875, std::nextafter(3756.0f, 0.0f), 15, -500},
        {-0.25f, 3755.5f, 0, -500},
    };
    for (const auto& c : cases)
        EXPECT_EQ(leftDragAt(c.x, c.y), (PointerTarget {c.column, c.value})) << c.x << ", " << c.y;
}

TEST(PointerMapping, PositionsOutsideTheAcceptedWindowAreIgnored)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float infinity = std::numeric_limits<float>::infinity();
    const std::pair<float, float> positions[]
        = {{-1, 100}, {3756, 100}, {100, -1}, {100, 3756}, {-400, 100}, {100, 9000}, {nan, 100},
            {100, nan}, {-infinity, 100}, {100, infinity}, {-32768, 32767}};
    for (const auto& [x, y] : positions)
        EXPECT_EQ(leftDragAt(x, y), std::nullopt) << x << ", " << y;
}

TEST(PointerMapping, OnlyTheLeftButtonAloneWhileArmedDraws)
{
    const struct
    {
        int buttons;
        bool armed;
        bool draws;
    } cases[] = {
        {kLeftButtonBit, true, true},
        {kLeftButtonBit, false, false},
        {0, true, false},
        {kRightButtonBit, true, false},
        {kMiddleButtonBit, true, false},
        {kLeftButtonBit | kRightButtonBit, true, false},
        {kLeftButtonBit | kMiddleButtonBit, true, false},
        {kLeftButtonBit | kRightButtonBit | kMiddleButtonBit, true, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pointerTarget(c.buttons, c.armed, 120, 600).has_value(), c.draws)
            << c.buttons << " " << c.armed;
    }
}

} // namespace
