#include "platform/sink_worker.h"

#include "sound/chip_oscillator.h"

#include <QAudioSink>
#include <QMediaDevices>
#include <algorithm>
#include <array>
#include <cstring>
#include <span>
#include <utility>

namespace ondulix {

namespace {

constexpr int kBytesPerFrame = 2;
// Short enough that Stop and a changed wave are heard at once, long enough for the PulseAudio
// sink's 20 ms pull timer; without it the server's default of seconds applies.
constexpr int kBufferMilliseconds = 60;
// The fade-out must have left the buffer before the stream closes: the buffer, one pull
// period and the fade itself, with room to spare.
constexpr int kCloseDelayMilliseconds = 150;
constexpr int kChunkFrames = 512;
constexpr int kPrebufferBytes = 2 * ChipOscillator::kFrameRate / 1000 * 20 * kBytesPerFrame;

QAudioFormat previewFormat()
{
    QAudioFormat format;
    format.setSampleRate(ChipOscillator::kFrameRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

QString errorName(QAudio::Error error)
{
    switch (error) {
    case QAudio::NoError:
        return QStringLiteral("no error");
    case QAudio::OpenError:
        return QStringLiteral("the stream could not be opened");
    case QAudio::IOError:
        return QStringLiteral("the stream could not be written");
    case QAudio::UnderrunError:
        return QStringLiteral("the stream ran out of data");
    case QAudio::FatalError:
        return QStringLiteral("the audio device failed");
    }
    return QStringLiteral("unknown error %1").arg(int(error));
}

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

SinkWorker::SinkWorker(std::shared_ptr<ChipOscillator> oscillator)
    : m_oscillator(std::move(oscillator))
    , m_device(new OscillatorDevice(*m_oscillator, this))
    , m_closeTimer(this)
{
    m_closeTimer.setSingleShot(true);
    m_closeTimer.setInterval(kCloseDelayMilliseconds);
    connect(&m_closeTimer, &QTimer::timeout, this, &SinkWorker::close);
}

SinkWorker::~SinkWorker()
{
    if (m_sink)
        m_sink->stop();
}

void SinkWorker::open()
{
    m_closeTimer.stop();
    if (m_sink) {
        emit opened();
        return;
    }
    // Explicitly the default: left to itself, Qt 6.4 takes the first output it lists.
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        emit failed(QStringLiteral("Qt finds no audio output device."));
        return;
    }
    m_deviceName = device.description();
    m_sink = new QAudioSink(device, previewFormat(), this);
    m_sink->setBufferSize(ChipOscillator::kFrameRate / 1000 * kBufferMilliseconds * kBytesPerFrame);
    connect(m_sink, &QAudioSink::stateChanged, this, &SinkWorker::onStateChanged);
    m_sink->start(m_device);
    // A failure may already have been handled by a state change from inside start().
    if (m_sink && m_sink->error() != QAudio::NoError)
        onStateChanged();
    if (m_sink)
        emit opened();
}

void SinkWorker::closeAfterFade()
{
    if (m_sink)
        m_closeTimer.start();
}

void SinkWorker::close()
{
    if (!m_sink)
        return;
    QAudioSink* sink = std::exchange(m_sink, nullptr);
    sink->disconnect(this);
    sink->stop();
    sink->deleteLater();
}

void SinkWorker::onStateChanged()
{
    const QAudio::Error error = m_sink->error();
    if (error == QAudio::NoError || error == QAudio::UnderrunError)
        return;
    const QString reason = QStringLiteral("Qt reports that on \"%1\" %2 (QAudio::Error %3).")
                               .arg(m_deviceName, errorName(error))
                               .arg(int(error));
    close();
    emit failed(reason);
}

} // namespace ondulix
