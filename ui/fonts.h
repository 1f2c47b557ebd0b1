// Turns the faces the program names into fonts installed on this machine.
#pragma once

#include <QFont>
#include <QStringList>
#include <string_view>

#include "monthview/canvas.h"
#include "ui/layout.h"

namespace quillet::ui {

// The installed faces tried for a face the program names, best first. A name
// without a list of its own stands for itself.
QStringList FaceFallbacks(std::string_view face);

// The Song face drawn smaller than this many device pixels is drawn without
// anti-aliasing and with the face's own hinting: its strokes are one pixel
// wide there, and smoothing turns them grey and thin. Larger text, and every
// size of the sans face, is smoothed.
inline constexpr int kCrispSongBelowPixels = 17;

// The font for `choice` on a device with `devicePixelRatio` device pixels to
// the layout's pixel.
QFont ResolveFont(const FontChoice& choice, qreal devicePixelRatio);

// Canvas sizes come in points; at 96 dots per inch a point is 4/3 of a pixel
// (60 pt = 80 px, 18 pt = 24 px, 9 pt = 12 px).
int PointsToPixels(int points);

}  // namespace quillet::ui
