#pragma once

#include "platform/sound_backend.h"

#include <QAudioDevice>

class QAudioSink;

namespace ondulix {

// A QAudioSink playing frames that it pulls from a device, at 48 kHz on one output. It lives on the
// thread that made it (the sound thread): the sink's signals and its pulls arrive there, or on Qt's
// own audio thread for the pulls of backends that have one.
class SinkStream final : public SoundStream
{
public:
    SinkStream(const QAudioDevice& output, StreamFailed failed);
    // Disconnects from the sink before it stops it, so that the stop's own state change reports
    // nothing to a worker that may be closing or being destroyed.
    ~SinkStream() override;

    // Starts pulling from `frames`. The failure in the user's words, or an empty string.
    QString start(QIODevice& frames);

private:
    void onStateChanged();
    QString failureReason() const;

    QString m_outputName;
    QAudioSink* m_sink;
    StreamFailed m_failed;
    bool m_reporting = false;
};

} // namespace ondulix
