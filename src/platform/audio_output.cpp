#include "platform/audio_output.h"

#include "platform/sink_worker.h"
#include "platform/sound_backend.h"
#include "platform/sound_plugin_loader.h"
#include "sound/chip_oscillator.h"

#include <QDeadlineTimer>
#include <QThread>

namespace ondulix {

namespace {

// A sound server that takes longer than this to open a stream is as good as absent.
constexpr int kOpenWaitMilliseconds = 3000;
constexpr int kThreadEndWaitMilliseconds = 1000;

} // namespace

AudioOutput::AudioOutput(std::shared_ptr<ChipOscillator> oscillator, QObject* parent)
    : QObject(parent)
    , m_oscillator(std::move(oscillator))
{
    m_openWatch.setSingleShot(true);
    m_openWatch.setInterval(kOpenWaitMilliseconds);
    connect(&m_openWatch, &QTimer::timeout, this, &AudioOutput::onOpenTimedOut);
}

// A thread stuck in a sound server that never answers is left behind rather than waited for.
AudioOutput::~AudioOutput()
{
    m_oscillator->stop();
    if (!m_thread)
        return;
    m_thread->quit();
    if (m_thread->wait(QDeadlineTimer(kThreadEndWaitMilliseconds)))
        delete m_thread;
}

void AudioOutput::start()
{
    if (m_playing)
        return;
    m_playing = true;
    m_oscillator->start();
    if (!m_held)
        openStream();
}

void AudioOutput::stop()
{
    if (!m_playing)
        return;
    m_playing = false;
    m_oscillator->stop();
    if (!m_held)
        closeStream();
}

void AudioOutput::hold()
{
    if (m_held)
        return;
    m_held = true;
    if (!m_playing)
        openStream();
}

void AudioOutput::release()
{
    if (!m_held)
        return;
    m_held = false;
    if (!m_playing)
        closeStream();
}

void AudioOutput::openStream()
{
    QString failure;
    if (!startWorker(failure)) {
        failLater(failure);
        return;
    }
    const QVariant output = m_backend->defaultOutput();
    if (output.isNull()) {
        failLater(QStringLiteral("Qt finds no audio output device."));
        return;
    }
    m_openWatch.start();
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker, output] { worker->open(output); }, Qt::QueuedConnection);
}

void AudioOutput::stopAll()
{
    m_playing = false;
    m_held = false;
    m_oscillator->stop();
    closeStream();
}

void AudioOutput::closeStream()
{
    m_openWatch.stop();
    if (m_worker)
        QMetaObject::invokeMethod(m_worker, &SinkWorker::closeAfterFade, Qt::QueuedConnection);
}

// The plugin and the sound thread, on the first start that finds the plugin.
bool AudioOutput::startWorker(QString& failure)
{
    if (m_worker)
        return true;
    m_backend = loadSoundBackend(failure);
    if (!m_backend)
        return false;
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("Ondulix sound"));
    m_worker = new SinkWorker(*m_backend, m_oscillator);
    m_worker->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(m_worker, &SinkWorker::failed, this, &AudioOutput::onWorkerFailed);
    connect(m_worker, &SinkWorker::opened, &m_openWatch, &QTimer::stop);
    m_thread->start();
    return true;
}

// As a failure of the worker would come: after start() has returned, so that the caller sees
// the start and then the failure, in that order.
void AudioOutput::failLater(const QString& reason)
{
    QMetaObject::invokeMethod(
        this, [this, reason] { onWorkerFailed(reason); }, Qt::QueuedConnection);
}

void AudioOutput::onWorkerFailed(const QString& reason)
{
    if (!m_playing && !m_held)
        return;
    stopAll();
    emit unavailable(reason);
}

void AudioOutput::onOpenTimedOut()
{
    stopAll();
    emit unavailable(QStringLiteral("The sound server did not open a stream within %1 seconds.")
                         .arg(kOpenWaitMilliseconds / 1000));
}

} // namespace ondulix
