#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

class QThread;

namespace ondulix {

class ChipOscillator;
class SinkWorker;
class SoundBackend;

// Plays the oscillator on the default audio output: a QAudioSink at 48 kHz pulling from it.
// Qt Multimedia comes in a plugin loaded on the first start(), and the sink lives on a thread
// of its own, made then too, so that opening a stream the sound server never answers, or
// closing one, can never hold up the window; the oscillator is safe to render there.
//
// Threads: every function, and the `unavailable` signal, on the event thread. That includes the
// look-up of the default output, since Qt documents its device list for no other thread; only
// the opened output crosses to the sound thread, in a queued call to the worker.
class AudioOutput : public QObject
{
    Q_OBJECT

public:
    explicit AudioOutput(std::shared_ptr<ChipOscillator> oscillator, QObject* parent = nullptr);
    ~AudioOutput() override;

    // Fades the sound in, opening the stream if needed. A failure arrives as `unavailable`,
    // always after start() has returned.
    void start();
    // Fades the sound out, then closes the stream unless it is held.
    void stop();
    bool isPlaying() const { return m_playing; }
    // Keeps the stream open, opening it if needed, whether the preview plays or not: the notes
    // played from the keys then need no stream of their own and are heard at once. A failure
    // arrives as `unavailable`, as for start().
    void hold();
    // The stream closes once the preview does not play either.
    void release();

signals:
    // The output could not be opened or stopped working; playing has stopped.
    void unavailable(const QString& reason);

private:
    void openStream();
    void closeStream();
    void stopAll();
    bool startWorker(QString& failure);
    void failLater(const QString& reason);
    void onWorkerFailed(const QString& reason);
    void onOpenTimedOut();

    std::shared_ptr<ChipOscillator> m_oscillator;
    SoundBackend* m_backend = nullptr;
    QThread* m_thread = nullptr;
    SinkWorker* m_worker = nullptr;
    QTimer m_openWatch;
    bool m_playing = false;
    bool m_held = false;
};

} // namespace ondulix
