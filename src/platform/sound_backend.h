#pragma once

#include <QIODevice>
#include <QString>
#include <QVariant>
#include <QtPlugin>
#include <functional>
#include <memory>

namespace ondulix {

// One stream playing on an audio output. Destroying it closes the stream, and no failure is
// reported from then on, not even from the closing itself.
class SoundStream
{
public:
    virtual ~SoundStream() = default;
};

// What a stream's start gives: the stream, or why there is none.
struct StreamStart
{
    std::unique_ptr<SoundStream> stream;
    QString failure;
};

// Reports, on the thread that started the stream, that a running stream failed: the reason in
// the user's words. It may destroy the stream it reports on.
using StreamFailed = std::function<void(const QString& reason)>;

// The part of the sound preview that needs Qt Multimedia, in a plugin of its own that is loaded
// on the first F5: a session that never plays maps none of the audio libraries. The interface
// is all inline, so the program and the plugin share no code beyond Qt.
//
// Threads: the loader makes it on the event thread; each function says where it runs. It keeps
// no state between calls, so the two threads may use it.
class SoundBackend
{
public:
    virtual ~SoundBackend() = default;

    // Event thread (Qt documents the device list for no other). The default output as the
    // system names it now, which may change between two plays, or a null QVariant when there is
    // none. The value is opaque to the caller, and safe to copy to another thread.
    virtual QVariant defaultOutput() = 0;

    // The sound thread, which owns the stream from then on. Starts a stream on `output` that
    // pulls its frames, 48 kHz mono signed 16-bit, from `frames`, on whichever thread the
    // backend pulls from. `frames` must outlive the stream.
    virtual StreamStart startStream(const QVariant& output, QIODevice& frames, StreamFailed failed)
        = 0;
};

} // namespace ondulix

#define OndulixSoundBackend_iid "io.github.ondulix.SoundBackend/1"
Q_DECLARE_INTERFACE(ondulix::SoundBackend, OndulixSoundBackend_iid)
