#include "platform/sink_worker.h"

#include "platform/sound_backend.h"
#include "sound/chip_oscillator.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <span>
#include <utility>

namespace ondulix {

namespace {

// The fade-out must have left the buffer before the stream closes: the buffer, one pull
// period and the fade itself, with room to spare.
constexpr int kCloseDelayMilliseconds = 150;
constexpr int kBytesPerFrame = 2;
constexpr int kChunkFrames = 512;
constexpr int kPrebufferBytes = 2 * ChipOscillator::kFrameRate / 1000 * 20 * kBytesPerFrame;

} // namespace

OscillatorDevice::OscillatorDevice(ChipOscillator& oscillator, QObject* parent)
    : QIODevice(parent)
    , m_oscillator(oscillator)
{
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

// Endless, so never at its end. Qt 6.4's PulseAudio sink also takes the size of a pull device
// as the stream's prebuffer, and it writes only whole 20 ms periods: a prebuffer of one period
// starts playback after the first write, where the server's default (the whole buffer) may
// never be reached and the stream would wait for ever.
qint64 OscillatorDevice::bytesAvailable() const
{
    return kPrebufferBytes + QIODevice::bytesAvailable();
}

// The sink's buffer need not be aligned for 16-bit values, so frames go through a local chunk.
qint64 OscillatorDevice::readData(char* data, qint64 maxSize)
{
    std::array<std::int16_t, kChunkFrames> chunk;
    qint64 done = 0;
    while (maxSize - done >= kBytesPerFrame) {
        const auto frames = std::min<qint64>(kChunkFrames, (maxSize - done) / kBytesPerFrame);
        m_oscillator.render(std::span(chunk.data(), static_cast<std::size_t>(frames)));
        std::memcpy(data + done, chunk.data(), static_cast<std::size_t>(frames) * kBytesPerFrame);
        done += frames * kBytesPerFrame;
    }
    return done;
}

SinkWorker::SinkWorker(SoundBackend& backend, std::shared_ptr<ChipOscillator> oscillator)
    : m_backend(backend)
    , m_oscillator(std::move(oscillator))
    , m_frames(new OscillatorDevice(*m_oscillator, this))
    , m_closeTimer(this)
{
    m_closeTimer.setSingleShot(true);
    m_closeTimer.setInterval(kCloseDelayMilliseconds);
    connect(&m_closeTimer, &QTimer::timeout, this, &SinkWorker::close);
}

SinkWorker::~SinkWorker()
{
    close();
}

void SinkWorker::open(const QVariant& output)
{
    m_closeTimer.stop();
    if (!m_stream) {
        StreamStart start = m_backend.startStream(
            output, *m_frames, [this](const QString& reason) { onStreamFailed(reason); });
        if (!start.stream) {
            emit failed(start.failure);
            return;
        }
        m_stream = std::move(start.stream);
    }
    emit opened();
}

void SinkWorker::closeAfterFade()
{
    if (m_stream)
        m_closeTimer.start();
}

void SinkWorker::close()
{
    m_closeTimer.stop();
    m_stream.reset();
}

void SinkWorker::onStreamFailed(const QString& reason)
{
    close();
    emit failed(reason);
}

} // namespace ondulix
