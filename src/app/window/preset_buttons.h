#pragma once

#include "app/window/control_layout.h"
#include "wave/presets.h"

#include <QPolygonF>
#include <array>

namespace ondulix {

// One preset button: the preset it makes, its name (the tooltip), where it stands in the
// preset frame and the outline of its picture.
struct PresetButtonEntry
{
    Preset preset;
    const char* name;
    layout::Twips place;
    QPolygonF (*outline)();
};

// The nine preset buttons, optWave(0) to optWave(8), each 600 twips square.
extern const std::array<PresetButtonEntry, 9> kPresetButtons;

} // namespace ondulix
