#include "app/sound_controller.h"
#include "platform/harmonics_view.h"
#include "widget/window_fixture.h"

#include <QAction>

namespace ondulix::testing {
namespace {

class SoundTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        sound = std::make_unique<SoundController>(*window);
    }

    HarmonicsView* view() const { return window->findChild<HarmonicsView*>(); }

    std::unique_ptr<SoundController> sound;
};

TEST_F(SoundTest, CtrlHShowsTheHarmonicsThatFollowEachChangeAndEscapeClosesThem)
{
    preset(1)->click(); // Square, before the view opens: it shows the wave as it stands
    QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
    ASSERT_NE(view(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view()));
    EXPECT_NEAR(view()->barLevels()[0], 2.11, 0.01);
    EXPECT_EQ(view()->barLevels()[1], HarmonicsView::kFloorDb);
    EXPECT_EQ(view()->offsetText(), QStringLiteral("Offset: none"));

    slider(0)->setLevel(0); // one sample of the square's top half lowered to 0
    EXPECT_EQ(view()->offsetText(), QStringLiteral("Offset: -15.6 (-30.1 dB)"));
    EXPECT_GT(view()->barLevels()[1], HarmonicsView::kFloorDb);

    QTest::keyClick(view(), Qt::Key_Escape);
    EXPECT_FALSE(view()->isVisible());
}

TEST_F(SoundTest, F5WithoutAnAudioOutputSaysSoOnce)
{
    QTest::keyClick(window.get(), Qt::Key_F5);
    QTRY_COMPARE_WITH_TIMEOUT(messages->messages.size(), 1, 5000);
    EXPECT_TRUE(
        messages->messages.front().startsWith(QStringLiteral("No audio output is available.")))
        << messages->messages.front().toStdString();
    QTest::qWait(300);
    EXPECT_EQ(messages->messages.size(), 1);
    EXPECT_FALSE(sound->isPlaying());
}

} // namespace
} // namespace ondulix::testing
