#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace ondulix {

inline constexpr int kPresetPictureSize = 31;

// The window icon: a grey, bevelled zig-zag stroke with a black outline, at 16 and 32 pixels.
QIcon programIcon();
// The same drawing at any size, for the desktop's icon theme.
QImage programIconImage(int size);

// The 31 x 31 line drawing of preset `index` (0..8): black, one pixel wide, on transparent.
QPixmap presetPicture(int index);

} // namespace ondulix
