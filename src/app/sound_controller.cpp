#include "app/sound_controller.h"

#include "app/frmondulix.h"
#include "platform/audio_output.h"
#include "platform/harmonics_view.h"
#include "sound/chip_oscillator.h"
#include "sound/harmonics.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QScreen>
#include <algorithm>

namespace ondulix {

namespace {

// Octaves of A, from the lowest a chip's bass would play to the highest that stays clear.
constexpr std::array kPitches {55, 110, 220, 440, 880, 1760};
// Beside the main window, with a small gap.
constexpr int kViewGap = 8;

WaveSteps wavePlayed(const SampleSet& samples)
{
    WaveSteps wave {};
    for (int i = 0; i < kSampleCount; ++i)
        wave[i] = static_cast<std::int16_t>(samples.sample(i));
    return wave;
}

QAction* windowWideAction(const QString& text, const QKeySequence& keys, QObject* parent)
{
    auto* action = new QAction(text, parent);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

// Right of the window, or left of it where the screen ends first.
QPoint besideWindow(const QWidget& window, QSize size)
{
    const QRect frame = window.frameGeometry();
    QPoint at = frame.topRight() + QPoint(kViewGap, 0);
    if (const QScreen* screen = window.screen();
        screen && at.x() + size.width() > screen->availableGeometry().right())
        at.setX(std::max(0, frame.left() - kViewGap - size.width()));
    return at;
}

} // namespace

SoundController::SoundController(frmOndulix& window)
    : m_window(window)
    , m_oscillator(std::make_shared<ChipOscillator>())
    , m_output(std::make_unique<AudioOutput>(m_oscillator))
{
    m_playAction = windowWideAction(QStringLiteral("Play"), QKeySequence(Qt::Key_F5), this);
    m_playAction->setObjectName(QStringLiteral("actPlay"));
    m_stopAction = new QAction(QStringLiteral("Stop"), this);
    m_stopAction->setObjectName(QStringLiteral("actStop"));
    m_stopAction->setEnabled(false);
    m_harmonicsAction = windowWideAction(
        QStringLiteral("Harmonics..."), QKeySequence(Qt::CTRL | Qt::Key_H), this);
    m_harmonicsAction->setObjectName(QStringLiteral("actHarmonics"));
    createPitchMenu();

    connect(m_playAction, &QAction::triggered, this, &SoundController::togglePlaying);
    connect(m_stopAction, &QAction::triggered, this, &SoundController::stopPlaying);
    connect(m_harmonicsAction, &QAction::triggered, this, &SoundController::showHarmonics);
    connect(m_output.get(), &AudioOutput::unavailable, this, &SoundController::onUnavailable);
    connect(&window, &frmOndulix::sampleChangeHandled, this, &SoundController::followWave);

    window.addActions({m_playAction, m_stopAction, m_harmonicsAction});
    followWave();
}

SoundController::~SoundController()
{
    delete m_harmonicsView;
}

QList<QAction*> SoundController::menuActions() const
{
    return {m_playAction, m_pitchMenu->menuAction(), m_stopAction, m_harmonicsAction};
}

bool SoundController::isPlaying() const
{
    return m_output->isPlaying();
}

void SoundController::togglePlaying()
{
    if (m_output->isPlaying()) {
        stopPlaying();
        return;
    }
    m_output->start();
    m_stopAction->setEnabled(true);
}

void SoundController::stopPlaying()
{
    m_output->stop();
    m_stopAction->setEnabled(false);
}

void SoundController::onUnavailable(const QString& reason)
{
    m_stopAction->setEnabled(false);
    m_window.messages().tell(QStringLiteral("No audio output is available. %1").arg(reason));
}

void SoundController::showHarmonics()
{
    if (!m_harmonicsView) {
        m_harmonicsView = new HarmonicsView(&m_window);
        m_harmonicsView->move(besideWindow(m_window, m_harmonicsView->size()));
    }
    // Shown first: a hidden view does not follow the wave, and this one must show it at once.
    m_harmonicsView->show();
    followWave();
    m_harmonicsView->raise();
    m_harmonicsView->activateWindow();
}

void SoundController::followWave()
{
    const WaveSteps wave = wavePlayed(m_window.samples());
    m_oscillator->publish(wave);
    if (m_harmonicsView && m_harmonicsView->isVisible())
        m_harmonicsView->showHarmonics(harmonicsOf(wave));
}

void SoundController::createPitchMenu()
{
    m_pitchMenu = std::make_unique<QMenu>(QStringLiteral("Pitch"));
    m_pitchMenu->setObjectName(QStringLiteral("mnuPitch"));
    m_pitchGroup = new QActionGroup(this);
    for (int hertz : kPitches) {
        QAction* pitch = m_pitchMenu->addAction(QStringLiteral("%1 Hz").arg(hertz));
        pitch->setCheckable(true);
        pitch->setChecked(hertz == ChipOscillator::kDefaultPitch);
        m_pitchGroup->addAction(pitch);
        connect(pitch, &QAction::triggered, this, [this, hertz] { m_oscillator->setPitch(hertz); });
    }
}

} // namespace ondulix
