#include "app/window/control_layout.h"

namespace ondulix::layout {

QRect toPixels(const Twips& twips)
{
    return {
        toPixels(twips.left), toPixels(twips.top), toPixels(twips.width), toPixels(twips.height)};
}

} // namespace ondulix::layout
