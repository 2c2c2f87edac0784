#pragma once

#include "ondulix_version.h"

#include <QRect>

// Where every control of the window stands, in twips (15 to a pixel at 96 dpi), and the texts
// the controls carry. Controls inside a frame are placed relative to the frame.
namespace ondulix::layout {

struct Twips
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline constexpr int kTwipsPerPixel = 15;

// Nearest logical pixel; Qt's device pixel ratio takes it on to the screen.
constexpr int toPixels(int twips)
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}
QRect toPixels(const Twips& twips);

inline constexpr int kClientWidth = 6210;
inline constexpr int kClientHeight = 8235;

inline constexpr Twips pWave {120, 120, 3855, 3855};
inline constexpr Twips lblLable {1440, 7680, 1335, 255};
inline constexpr Twips lblSLideNo {1320, 7920, 375, 255};
inline constexpr Twips lblSlideVal {1800, 7920, 1095, 255};
inline constexpr Twips chkDraw {120, 7800, 255, 375};
inline constexpr Twips cmdOpen {4080, 120, 2055, 375};
inline constexpr Twips cmdSave {4080, 600, 2055, 375};
inline constexpr Twips Label1 {4080, 1080, 2055, 855};
inline constexpr Twips cmdConfigure {4080, 2040, 2055, 375};
inline constexpr Twips cmdQuenfer {4080, 2520, 2055, 375};
inline constexpr Twips frPreset {4080, 3960, 2055, 2175};
inline constexpr Twips cmdNormal {4080, 6240, 2055, 255};
inline constexpr Twips Frame1 {4080, 6480, 2055, 1215};
inline constexpr Twips cmdGenMem {120, 240, 1815, 375};
inline constexpr Twips lblLine {600, 720, 375, 375};
inline constexpr Twips VScroll1 {960, 720, 375, 375};
inline constexpr Twips cmdGenerate {4080, 7800, 2055, 375};

// Sample sliders stand side by side under the graph; neighbours overlap by 15 twips.
constexpr Twips vSlide(int index)
{
    return {120 + 120 * index, 3960, 135, 3700};
}

inline constexpr const char* kWindowTitle = "Ondulix - (Rev." ONDULIX_VERSION " -  2006/05/11)";
inline constexpr const char* kCreditText
    = "Ondulix\nwaveform pattern designer\n32 samples x 32 lines";

// Stands in for MS Sans Serif; the sizes are the original point sizes.
inline constexpr const char* kFontFamily = "Liberation Sans";
inline constexpr double kDefaultPointSize = 8.25;
inline constexpr double kLineNumberPointSize = 12.0;

} // namespace ondulix::layout
