#include "app/features/sound_preview.h"

#include "app/editor/editor.h"
#include "app/editor/feature_context.h"
#include "app/editor/graph_menu.h"
#include "app/editor/played_depth.h"
#include "app/editor/wave_played.h"
#include "app/editor/window_action.h"
#include "app/features/note_player.h"
#include "app/features/table_sweep.h"
#include "platform/audio_output.h"
#include "platform/user_messages.h"
#include "sound/chip_oscillator.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <array>
#include <utility>

namespace ondulix {

namespace {

// Octaves of A, from the lowest a chip's bass would play to the highest that stays clear.
constexpr std::array kPitches {55, 110, 220, 440, 880, 1760};

} // namespace

SoundPreview::SoundPreview(const FeatureContext& context)
    : QObject(&context.window)
    , m_editor(context.editor)
    , m_depth(context.depth)
    , m_messages(context.messages)
    , m_oscillator(std::make_shared<ChipOscillator>())
    , m_output(std::make_unique<AudioOutput>(m_oscillator))
{
    setObjectName(QStringLiteral("soundPreview"));
    QAction* play = addWindowAction(context.window, *this, QStringLiteral("Play"),
        {QKeySequence(Qt::Key_F5)}, [this] { togglePlaying(); });
    play->setObjectName(QStringLiteral("actPlay"));
    m_stopAction = addWindowAction(
        context.window, *this, QStringLiteral("Stop"), {}, [this] { stopPlaying(); });
    m_stopAction->setObjectName(QStringLiteral("actStop"));
    m_stopAction->setEnabled(false);
    m_sweep = new TableSweep(context, *m_oscillator, this);
    new NotePlayer(context.editor.changes(), *m_oscillator, *m_output, this);
    QAction* sweep = addWindowAction(context.window, *this, QStringLiteral("Hear the sweep"),
        {QKeySequence(Qt::SHIFT | Qt::Key_F5)}, [this] { toggleSweep(); });
    sweep->setObjectName(QStringLiteral("actSweep"));
    context.menu.add(MenuSection::Sound,
        {play, sweep, createPitchMenu(context.window, context.editor.changes()),
            m_sweep->createTimeMenu(context.window), m_stopAction});

    connect(m_output.get(), &AudioOutput::unavailable, this, &SoundPreview::onUnavailable);
    connect(&m_editor.changes(), &ChangeSignals::sampleChanged, this, &SoundPreview::followSample);
    connect(&m_depth, &PlayedDepth::changed, this, &SoundPreview::followWave);
    followWave();
}

SoundPreview::~SoundPreview() = default;

// A submenu of the graph's menu, owned by the window as the menu's other submenus are.
QAction* SoundPreview::createPitchMenu(QWidget& window, ChangeSignals& changes)
{
    auto* menu = new QMenu(QStringLiteral("Pitch"), &window);
    menu->setObjectName(QStringLiteral("mnuPitch"));
    auto* group = new QActionGroup(this);
    for (int hertz : kPitches) {
        QAction* pitch = menu->addAction(QStringLiteral("%1 Hz").arg(hertz));
        pitch->setCheckable(true);
        pitch->setChecked(hertz == ChipOscillator::kDefaultPitch);
        group->addAction(pitch);
        connect(pitch, &QAction::triggered, this, [this, &changes, hertz] {
            m_oscillator->setPitch(hertz);
            emit changes.previewPitchChosen(hertz);
        });
    }
    return menu->menuAction();
}

void SoundPreview::togglePlaying()
{
    if (m_output->isPlaying()) {
        stopPlaying();
        return;
    }
    m_oscillator->stopSweep();
    m_output->start();
    m_stopAction->setEnabled(true);
}

// From the wave's preview too: the sound goes on, on the sweep's lines.
void SoundPreview::toggleSweep()
{
    if (m_output->isPlaying() && m_sweep->isOn()) {
        stopPlaying();
        return;
    }
    if (!m_sweep->begin())
        return;
    if (!m_output->isPlaying())
        m_output->start();
    m_stopAction->setEnabled(true);
}

void SoundPreview::stopPlaying()
{
    m_output->stop();
    m_sweep->end();
    m_stopAction->setEnabled(false);
}

// Notes played without the preview say so only the first time, not at every key.
void SoundPreview::onUnavailable(const QString& reason)
{
    const bool previewed = m_stopAction->isEnabled();
    m_sweep->end();
    m_stopAction->setEnabled(false);
    if (previewed || !std::exchange(m_toldNotesUnheard, true))
        m_messages.tell(QStringLiteral("No audio output is available. %1").arg(reason));
}

std::shared_ptr<ChipOscillator> SoundPreview::oscillator() const
{
    return m_oscillator;
}

void SoundPreview::followSample(int index)
{
    m_wave[index] = samplePlayed(m_editor.samples().sample(index), m_depth.bits());
    m_oscillator->publish(m_wave);
}

void SoundPreview::followWave()
{
    m_wave = wavePlayed(m_editor.wave(), m_depth.bits());
    m_oscillator->publish(m_wave);
}

} // namespace ondulix
