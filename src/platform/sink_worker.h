#pragma once

#include <QIODevice>
#include <QObject>
#include <QTimer>
#include <memory>

class QAudioSink;

namespace ondulix {

class ChipOscillator;

// The oscillator as a pull-mode device: every read renders as many frames as asked for.
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

// Owns the audio sink on the sound thread; the window's thread drives it by queued calls.
class SinkWorker : public QObject
{
    Q_OBJECT

public:
    explicit SinkWorker(std::shared_ptr<ChipOscillator> oscillator);
    ~SinkWorker() override;

    // Opens the stream on the default output unless it is open; reports `opened` or `failed`.
    void open();
    // Closes the stream once the fade-out has played.
    void closeAfterFade();

signals:
    void opened();
    void failed(const QString& reason);

private:
    void close();
    void onStateChanged();

    std::shared_ptr<ChipOscillator> m_oscillator;
    OscillatorDevice* m_device;
    QAudioSink* m_sink = nullptr;
    QString m_deviceName;
    QTimer m_closeTimer;
};

} // namespace ondulix
