// Two MIDI threads send at once, as ALSA's and JACK's would, while the event side reads: every
// message arrives whole, each thread's in the order sent, none lost while the pipe has room.
#include "sound/midi_pipe.h"

#include <array>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace ondulix {
namespace {

TEST(MidiPipeThreads, MessagesOfTwoSendersArriveWholeAndInOrder)
{
    // 2 x 6000 messages of 4 bytes stay within the pipe's 64 KiB, so none is dropped.
    constexpr int kEach = 6000;
    MidiPipe pipe;
    ASSERT_TRUE(pipe.isOpen());
    const auto send = [&pipe](std::uint8_t status) {
        for (int n = 0; n < kEach; ++n)
            pipe.send(std::array {status, std::uint8_t(n % 128), std::uint8_t(n / 128)});
    };
    std::thread alsa(send, 0x90);
    std::thread jack(send, 0x80);
    std::array<int, 2> next {};
    int wrong = 0;
    std::array<MidiPipe::Message, 64> got;
    while (next[0] + next[1] < 2 * kEach) {
        for (std::size_t i = 0, count = pipe.receive(got); i < count; ++i)
            wrong += got[i][0] != 3 || got[i][2] + 128 * got[i][3] != next[got[i][1] == 0x80]++;
    }
    alsa.join();
    jack.join();
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(pipe.receive(got), 0U);
}

} // namespace
} // namespace ondulix
