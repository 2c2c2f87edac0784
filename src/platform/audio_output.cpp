#include "platform/audio_output.h"

#include "platform/sink_worker.h"
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
    , m_thread(new QThread)
    , m_worker(new SinkWorker(m_oscillator))
{
    m_thread->setObjectName(QStringLiteral("Ondulix sound"));
    m_worker->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(m_worker, &SinkWorker::failed, this, &AudioOutput::onWorkerFailed);
    connect(m_worker, &SinkWorker::opened, &m_openWatch, &QTimer::stop);
    m_openWatch.setSingleShot(true);
    m_openWatch.setInterval(kOpenWaitMilliseconds);
    connect(&m_openWatch, &QTimer::timeout, this, &AudioOutput::onOpenTimedOut);
    m_thread->start();
}

// A thread stuck in a sound server that never answers is left behind rather than waited for.
AudioOutput::~AudioOutput()
{
    m_oscillator->stop();
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
    m_openWatch.start();
    QMetaObject::invokeMethod(m_worker, &SinkWorker::open, Qt::QueuedConnection);
}

void AudioOutput::stop()
{
    if (!m_playing)
        return;
    m_playing = false;
    m_oscillator->stop();
    m_openWatch.stop();
    QMetaObject::invokeMethod(m_worker, &SinkWorker::closeAfterFade, Qt::QueuedConnection);
}

void AudioOutput::onWorkerFailed(const QString& reason)
{
    if (!m_playing)
        return;
    stop();
    emit unavailable(reason);
}

void AudioOutput::onOpenTimedOut()
{
    stop();
    emit unavailable(QStringLiteral("The sound server did not open a stream within %1 seconds.")
                         .arg(kOpenWaitMilliseconds / 1000));
}

} // namespace ondulix
