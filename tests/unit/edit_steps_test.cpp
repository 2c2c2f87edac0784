#include "pattern/edit_steps.h"
#include "pattern/line_waves.h"

#include <gtest/gtest.h>
#include <tuple>
#include <utility>

using namespace ondulix;

namespace {

// The window as the edit history sees it: a changed sample runs the change handler, which
// reports it as the window's does, within a run of the gesture under way; a new line pages.
class Editor : public SampleSet, public LineSelector
{
public:
    int sample(int index) const override { return wave[index]; }
    void setSample(int index, int value) override
    {
        if (std::exchange(wave[index], value) == value)
            return;
        EditSteps::Action handler(history, gesture);
        history.sampleWritten(index, value);
    }
    int line() const override { return current; }
    void setLine(int line) override
    {
        if (std::exchange(current, line) == line)
            return;
        EditSteps::Action paging(history, EditSteps::kOwnStep);
        pageToSelectedLine(*this, table, *this);
    }
    void showLineNumber(int) override { }
    // An action that writes one cell, a step of its own unless it is part of a gesture.
    void setCell(int column, int row, const std::string& text, long part = EditSteps::kOwnStep)
    {
        EditSteps::Action action(history, part);
        table.setCell(column, row, text);
    }
    std::tuple<Wave, int, PatternTable> shown() const { return {wave, current, table}; }

    Wave wave {};
    int current = 1;
    long gesture = 1;
    PatternTable table;
    EditSteps history {{*this, table, *this}};
};

class EditStepsTest : public ::testing::Test
{
protected:
    void SetUp() override { editor.history.forget(); }
    Editor editor;
};

TEST_F(EditStepsTest, UndoesAndRedoesSeveralStepsInARow)
{
    std::vector states {editor.shown()};
    editor.setSample(0, 100);
    states.push_back(editor.shown());
    storeWave(Wave {-5, 6}, 2, editor.table); // outside any action: joins the next step
    editor.setCell(1, 1, "A");
    states.push_back(editor.shown());
    editor.setLine(2); // pages line 2's wave in over the unstored 100
    states.push_back(editor.shown());
    std::size_t step = 3;
    while (editor.history.undo())
        EXPECT_EQ(editor.shown(), states.at(--step)) << "undone to " << step;
    EXPECT_EQ(step, 0u);
    while (editor.history.redo())
        EXPECT_EQ(editor.shown(), states.at(++step)) << "redone to " << step;
    EXPECT_EQ(step, 3u);
}

TEST_F(EditStepsTest, AGestureIsOneStepAndTwoGesturesStayTwo)
{
    editor.setSample(0, 1);
    editor.setSample(1, 2);
    editor.gesture = 2;
    editor.setSample(0, 3);
    editor.gesture = 3;
    editor.setSample(5, 9);
    editor.setSample(5, 0); // back where this gesture began: no step is left of it
    EXPECT_EQ(editor.history.count(), 2);
    editor.history.undo();
    EXPECT_EQ(editor.wave, (Wave {1, 2}));
    editor.history.undo();
    EXPECT_EQ(editor.wave, Wave {});
}

TEST_F(EditStepsTest, TheStepAfterTheLimitDropsTheOldest)
{
    for (int i = 1; i <= EditSteps::kStepLimit + 1; ++i)
        editor.setCell(1, 2, std::to_string(i));
    EXPECT_EQ(editor.history.count(), EditSteps::kStepLimit);
    while (editor.history.undo()) { }
    EXPECT_EQ(editor.table.cell(1, 2), "1") << "the first step is gone";
}

TEST_F(EditStepsTest, AMergeKeepsTheCellsOfBothSteps)
{
    const long part = 7;
    editor.setCell(1, 2, "0.1", part);
    editor.setCell(1, 3, "0.2", part);
    editor.setCell(1, 2, "0.3", part);
    ASSERT_EQ(editor.history.count(), 1);
    editor.history.undo();
    EXPECT_EQ(editor.table, PatternTable {});
    editor.history.redo();
    EXPECT_EQ(editor.table.cell(1, 2) + editor.table.cell(1, 3), "0.30.2");
}

} // namespace
