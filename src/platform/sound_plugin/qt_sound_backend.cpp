#include "platform/sound_plugin/qt_sound_backend.h"

#include "platform/sound_plugin/sink_stream.h"

#include <QMediaDevices>

namespace ondulix {

// Explicitly the default: left to itself, Qt 6.4 takes the first output it lists.
QVariant QtSoundBackend::defaultOutput()
{
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    return output.isNull() ? QVariant() : QVariant::fromValue(output);
}

StreamStart QtSoundBackend::startStream(
    const QVariant& output, QIODevice& frames, StreamFailed failed)
{
    auto stream = std::make_unique<SinkStream>(output.value<QAudioDevice>(), std::move(failed));
    if (QString failure = stream->start(frames); !failure.isEmpty())
        return {nullptr, failure};
    return {std::move(stream), {}};
}

} // namespace ondulix
