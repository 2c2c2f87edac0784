#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QPolygonF>

namespace ondulix {

inline constexpr int kPresetPictureSize = 31;

// The window icon: a grey, bevelled zig-zag stroke with a black outline, at 16 and 32 pixels.
QIcon programIcon();
// The same drawing at any size, for the desktop's icon theme.
QImage programIconImage(int size);

// A preset button's 31 x 31 picture: the outline in black, one pixel wide, on transparent.
QPixmap presetPicture(const QPolygonF& outline);

} // namespace ondulix
