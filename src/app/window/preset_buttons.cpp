#include "app/window/preset_buttons.h"

#include "platform/preset_outlines.h"

namespace ondulix {

namespace {

constexpr layout::Twips at(int left, int top)
{
    return {left, top, 600, 600};
}

} // namespace

const std::array<PresetButtonEntry, 9> kPresetButtons {{
    {Preset::Reset, "Reset", at(120, 240), outline::flat},
    {Preset::Square, "Square", at(1320, 240), outline::square},
    {Preset::Sine, "Sine", at(720, 240), outline::sine},
    {Preset::Ramp2, "Ramp2", at(1320, 840), outline::risingRamp},
    {Preset::Ramp1, "Ramp1", at(720, 840), outline::fallingRamp},
    {Preset::Triangle, "Traingle", at(120, 840), outline::triangle}, // the name users know
    {Preset::DoubleSine, "Double Sine", at(120, 1440), outline::doubleSine},
    {Preset::RandomExisting, "Random Existing", at(720, 1440), outline::unevenSteps},
    {Preset::Random, "Random", at(1320, 1440), outline::jagged},
}};

} // namespace ondulix
