#pragma once

#include "platform/sound_backend.h"

#include <QObject>

namespace ondulix {

// The sound backend on Qt Multimedia: the default output from QMediaDevices and a QAudioSink
// stream on it. The plugin's one object, made by QPluginLoader on the event thread.
class QtSoundBackend : public QObject, public SoundBackend
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID OndulixSoundBackend_iid)
    Q_INTERFACES(ondulix::SoundBackend)

public:
    QVariant defaultOutput() override;
    StreamStart startStream(
        const QVariant& output, QIODevice& frames, StreamFailed failed) override;
};

} // namespace ondulix
