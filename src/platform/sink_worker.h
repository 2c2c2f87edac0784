#pragma once

#include <QIODevice>
#include <QObject>
#include <QTimer>
#include <QVariant>
#include <memory>

namespace ondulix {

class ChipOscillator;
class SoundBackend;
class SoundStream;

// The oscillator as a pull-mode device: every read renders as many frames as asked for, on the
// thread that reads, which becomes the oscillator's rendering thread.
class OscillatorDevice : public QIODevice
{
    Q_OBJECT

public:
    explicit OscillatorDevice(ChipOscillator& oscillator, QObject* parent = nullptr);

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    ChipOscillator& m_oscillator;
};

// Owns the stream on the sound thread, so that opening a stream the sound server never answers,
// or closing one, can never hold up the window.
//
// Threads: made on the event thread and moved to the sound thread before its first call; from
// then on every function, the stream's failure report and the destructor (a deferred delete
// when the thread ends) run on the sound thread. The event thread reaches it only by queued
// calls and hears from it only through its signals, which Qt queues the other way; the two share
// no data but the oscillator, which orders itself. The oscillator is shared, not borrowed, as a
// worker left behind on a stuck thread may outlive the output that made it.
class SinkWorker : public QObject
{
    Q_OBJECT

public:
    SinkWorker(SoundBackend& backend, std::shared_ptr<ChipOscillator> oscillator);
    // Closes the stream as close() does. The stream says nothing once it is being destroyed, so
    // `failed` is never emitted from inside this destructor.
    ~SinkWorker() override;

    // Opens a stream on `output` (as the backend found it) unless one is open; reports `opened`
    // or `failed`.
    void open(const QVariant& output);
    // Closes the stream once the fade-out has played.
    void closeAfterFade();

signals:
    void opened();
    void failed(const QString& reason);

private:
    void close();
    void onStreamFailed(const QString& reason);

    SoundBackend& m_backend;
    std::shared_ptr<ChipOscillator> m_oscillator;
    // A child, so destroyed after the stream that reads it.
    OscillatorDevice* m_frames;
    std::unique_ptr<SoundStream> m_stream;
    QTimer m_closeTimer;
};

} // namespace ondulix
