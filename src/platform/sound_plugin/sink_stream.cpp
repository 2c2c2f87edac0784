#include "platform/sound_plugin/sink_stream.h"

#include "sound/chip_oscillator.h"

#include <QAudioSink>

namespace ondulix {

namespace {

// Short enough that Stop and a changed wave are heard at once, long enough for the PulseAudio
// sink's 20 ms pull timer; without it the server's default of seconds applies.
constexpr int kBufferMilliseconds = 60;
constexpr int kBytesPerFrame = 2;

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

SinkStream::SinkStream(const QAudioDevice& output, StreamFailed failed)
    : m_outputName(output.description())
    , m_sink(new QAudioSink(output, previewFormat()))
    , m_failed(std::move(failed))
{
    m_sink->setBufferSize(ChipOscillator::kFrameRate / 1000 * kBufferMilliseconds * kBytesPerFrame);
}

SinkStream::~SinkStream()
{
    m_sink->disconnect();
    m_sink->stop();
    // Destroyed by its own report, this stream is inside the sink's signal: the sink must outlive
    // the emission. Otherwise at once, as the sound thread may be ending and run no more events.
    if (m_reporting)
        m_sink->deleteLater();
    else
        delete m_sink;
}

QString SinkStream::start(QIODevice& frames)
{
    m_sink->start(&frames);
    // A failure inside start() shows in error(); once started, failures come as state changes,
    // on this thread, so none can slip in before the connection.
    if (m_sink->error() != QAudio::NoError && m_sink->error() != QAudio::UnderrunError)
        return failureReason();
    QObject::connect(m_sink, &QAudioSink::stateChanged, m_sink, [this] { onStateChanged(); });
    return {};
}

void SinkStream::onStateChanged()
{
    const QAudio::Error error = m_sink->error();
    if (error == QAudio::NoError || error == QAudio::UnderrunError)
        return;
    m_sink->disconnect();
    // The report may destroy this stream: it goes last, from a copy.
    const StreamFailed report = m_failed;
    m_reporting = true;
    report(failureReason());
}

QString SinkStream::failureReason() const
{
    const QAudio::Error error = m_sink->error();
    return QStringLiteral("Qt reports that on \"%1\" %2 (QAudio::Error %3).")
        .arg(m_outputName, errorName(error))
        .arg(int(error));
}

} // namespace ondulix
