#include "app/harmonics_window.h"

#include "app/change_signals.h"
#include "app/feature_context.h"
#include "app/graph_menu.h"
#include "app/tool_window_placement.h"
#include "app/wave_played.h"
#include "app/window_action.h"
#include "platform/harmonics_view.h"
#include "sound/harmonics.h"

#include <QAction>

namespace ondulix {

HarmonicsWindow::HarmonicsWindow(const FeatureContext& context)
    : QObject(&context.window)
    , m_window(context.window)
    , m_samples(context.samples)
{
    setObjectName(QStringLiteral("harmonicsWindow"));
    QAction* show = addWindowAction(m_window, *this, QStringLiteral("Harmonics..."),
        {QKeySequence(Qt::CTRL | Qt::Key_H)}, [this] { showHarmonics(); });
    show->setObjectName(QStringLiteral("actHarmonics"));
    // With the preview's entries: both are about how the wave sounds.
    context.menu.append({show});
    connect(&context.changes, &ChangeSignals::sampleChanged, this, &HarmonicsWindow::followWave);
}

HarmonicsWindow::~HarmonicsWindow()
{
    delete m_view;
}

void HarmonicsWindow::showHarmonics()
{
    if (!m_view) {
        m_view = new HarmonicsView(&m_window);
        m_view->move(besideWindow(m_window, m_view->size()));
    }
    // Shown first: a hidden view does not follow the wave, and this one must show it at once.
    m_view->show();
    followWave();
    m_view->raise();
    m_view->activateWindow();
}

void HarmonicsWindow::followWave()
{
    if (m_view && m_view->isVisible())
        m_view->showHarmonics(harmonicsOf(wavePlayed(m_samples)));
}

} // namespace ondulix
