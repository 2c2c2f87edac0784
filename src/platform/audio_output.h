#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

class QThread;

namespace ondulix {

class ChipOscillator;
class SinkWorker;

// Plays the oscillator on the default audio output: a QAudioSink at 48 kHz pulling from it.
// The sink lives on a thread of its own, so that opening a stream the sound server never
// answers, or closing one, can never hold up the window; the oscillator is safe to render there.
class AudioOutput : public QObject
{
    Q_OBJECT

public:
    explicit AudioOutput(std::shared_ptr<ChipOscillator> oscillator, QObject* parent = nullptr);
    ~AudioOutput() override;

    // Fades the sound in, opening the stream if needed. A failure arrives as `unavailable`.
    void start();
    // Fades the sound out, then closes the stream.
    void stop();
    bool isPlaying() const { return m_playing; }

signals:
    // The output could not be opened or stopped working; playing has stopped.
    void unavailable(const QString& reason);

private:
    void onWorkerFailed(const QString& reason);
    void onOpenTimedOut();

    std::shared_ptr<ChipOscillator> m_oscillator;
    QThread* m_thread = nullptr;
    SinkWorker* m_worker = nullptr;
    QTimer m_openWatch;
    bool m_playing = false;
};

} // namespace ondulix
