#include "app/features/harmonics_window.h"

#include "app/editor/editor.h"
#include "app/editor/feature_context.h"
#include "app/editor/graph_menu.h"
#include "app/editor/played_depth.h"
#include "app/editor/tool_windows.h"
#include "app/editor/wave_played.h"
#include "app/editor/window_action.h"
#include "platform/harmonics_view.h"
#include "sound/harmonics.h"

#include <QAction>

namespace ondulix {

namespace {

QString depthName(int bits)
{
    for (const ChipDepth& depth : kChipDepths) {
        if (depth.bits == bits && bits != 0)
            return QString::fromUtf8(
                depth.shortName.data(), static_cast<qsizetype>(depth.shortName.size()));
    }
    return {};
}

} // namespace

HarmonicsWindow::HarmonicsWindow(const FeatureContext& context)
    : QObject(&context.window)
    , m_window(context.window)
    , m_editor(context.editor)
    , m_toolWindows(context.toolWindows)
    , m_depth(context.depth)
{
    setObjectName(QStringLiteral("harmonicsWindow"));
    m_toggle = addWindowAction(m_window, *this, QStringLiteral("Harmonics..."),
        {QKeySequence(Qt::CTRL | Qt::Key_H)}, [this] { toggleHarmonics(); });
    m_toggle->setObjectName(QStringLiteral("actHarmonics"));
    QAction* offset = addWindowAction(
        m_window, *this, QStringLiteral("Remove offset"), {}, [this] { removeOffset(); });
    offset->setObjectName(QStringLiteral("actRemoveOffset"));
    context.menu.add(MenuSection::Harmonics, {m_toggle, offset});
    const ChangeSignals& changes = context.editor.changes();
    connect(&changes, &ChangeSignals::sampleChanged, this, [this] { m_stale = true; });
    // Once an action's writes are all done, not at each of its 32 samples.
    connect(&changes, &ChangeSignals::actionEnded, this, [this] {
        if (m_stale)
            followWave();
    });
    connect(&m_depth, &PlayedDepth::changed, this, &HarmonicsWindow::followWave);
}

HarmonicsWindow::~HarmonicsWindow()
{
    delete m_view;
}

void HarmonicsWindow::toggleHarmonics()
{
    if (m_view && m_view->isVisible()) {
        m_view->close();
        return;
    }
    if (!m_view)
        createView();
    // Shown first: a hidden view does not follow the wave, and this one must show it at once.
    m_toolWindows.show(*m_view);
    followWave();
}

void HarmonicsWindow::createView()
{
    m_view = new HarmonicsView(&m_window);
    // Ctrl+H from the view itself closes it, as from the main window.
    m_view->addAction(m_toggle);
    connect(m_view, &HarmonicsView::drawingStarted, this, &HarmonicsWindow::startDrawing);
    connect(m_view, &HarmonicsView::levelDrawn, this, &HarmonicsWindow::drawLevel);
    connect(m_view, &HarmonicsView::stepRequested, this, &HarmonicsWindow::stepLevel);
    connect(m_view, &HarmonicsView::removeRequested, this, &HarmonicsWindow::removeHarmonic);
    connect(m_view, &HarmonicsView::removeOffsetRequested, this, &HarmonicsWindow::removeOffset);
}

void HarmonicsWindow::followWave()
{
    if (!m_view || !m_view->isVisible())
        return;
    m_stale = false;
    const int bits = m_depth.bits();
    m_view->showHarmonics(harmonicsOf(wavePlayed(m_editor.wave(), bits)), depthName(bits));
}

void HarmonicsWindow::startDrawing()
{
    m_atPress = m_editor.wave();
    m_drawn.clear();
}

// Every step of one drawing is part of the gesture its press started, so the history merges
// them into one step.
void HarmonicsWindow::drawLevel(int harmonic, double decibels)
{
    const auto same = [harmonic](const HarmonicLevel& level) { return level.harmonic == harmonic; };
    if (auto drawn = std::find_if(m_drawn.begin(), m_drawn.end(), same); drawn != m_drawn.end())
        drawn->decibels = decibels;
    else
        m_drawn.push_back({harmonic, decibels});
    m_editor.writeWave(withHarmonicLevels(m_atPress, m_drawn), Editor::Step::Gesture);
}

void HarmonicsWindow::stepLevel(int harmonic, int direction)
{
    const Wave wave = m_editor.wave();
    m_editor.writeWave(
        direction > 0 ? withHarmonicRaised(wave, harmonic) : withHarmonicLowered(wave, harmonic));
}

void HarmonicsWindow::removeHarmonic(int harmonic)
{
    m_editor.writeWave(withoutHarmonic(m_editor.wave(), harmonic));
}

void HarmonicsWindow::removeOffset()
{
    m_editor.writeWave(withoutOffset(m_editor.wave()));
}

} // namespace ondulix
