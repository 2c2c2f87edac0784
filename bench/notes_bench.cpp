#include "active_window.h"
#include "app/features/sound_preview.h"
#include "platform/sink_worker.h"
#include "platform/user_messages.h"
#include "sound/chip_oscillator.h"

#include <QKeyEvent>
#include <QWindow>
#include <array>

using namespace ondulix;

namespace {

struct Unheard : MessageSink
{
    void tell(const QString&) override { }
};

// From a key event handed to the program to the first frame of its note handed to the audio
// output: the key's way to the note, the voice, the oscillator's note and the kept stream, then
// the first 20 ms the PulseAudio sink pulls, whose first frame is the note's. The release and
// the fade-out after it are left out of the time. No sound server is reached, so nothing else
// renders: the benchmark pulls as the sink would.
void BM_NoteKeyToFirstFrame(benchmark::State& state)
{
    qputenv("PULSE_SERVER", "unix:/nonexistent/pulse.socket");
    WindowServices services;
    services.messages = std::make_unique<Unheard>();
    frmOndulix window(std::move(services));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return state.SkipWithError("the window did not show");
    presetButton(window, 1)->click(); // Square: every frame of the note is loud
    OscillatorDevice device(*window.findChild<SoundPreview*>()->oscillator());
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Z, {}, 52, 0, 0, QStringLiteral("z"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Z, {}, 52, 0, 0, QStringLiteral("z"));
    std::array<std::int16_t, ChipOscillator::kFrameRate / 50> pulled {};
    const auto pull = [&] { device.read(reinterpret_cast<char*>(pulled.data()), sizeof pulled); };
    int silentFirstFrames = 0;
    for (auto _ : state) {
        QCoreApplication::sendEvent(window.windowHandle(), &press);
        pull();
        state.PauseTiming();
        silentFirstFrames += pulled[0] == 0;
        QCoreApplication::sendEvent(window.windowHandle(), &release);
        pull();
        state.ResumeTiming();
    }
    if (silentFirstFrames > 0)
        state.SkipWithError("a note's first frame was silent");
}
BENCHMARK(BM_NoteKeyToFirstFrame)->Unit(benchmark::kMicrosecond);

} // namespace
