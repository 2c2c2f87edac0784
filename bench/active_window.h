#pragma once

#include "app/editor/editor.h"
#include "app/editor/feature_context.h"
#include "app/window/frmondulix.h"
#include "platform/preset_button.h"

#include <QTest>
#include <benchmark/benchmark.h>
#include <memory>

namespace ondulix {

// The real window, shown and active so presses give the focus as they do for a user. Its updates
// are off: these figures are the program's own work, without the screen's paint.
inline std::unique_ptr<frmOndulix> activeWindow(benchmark::State& state)
{
    auto window = std::make_unique<frmOndulix>();
    window->load();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        state.SkipWithError("the window did not become active");
    window->setUpdatesEnabled(false);
    return window;
}

inline PresetButton* presetButton(const frmOndulix& window, int index)
{
    return window.findChild<PresetButton*>(QStringLiteral("optWave(%1)").arg(index));
}

} // namespace ondulix
