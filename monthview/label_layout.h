// Where the day labels of one week row stand. A label goes where its kind
// puts it (twelve pixels left of the column's centre line, or three pixels
// per GBK byte); only where that would cut it at the canvas's edge or run it
// into the label of the day beside it is it moved, and only where no place
// in the room its neighbours leave can hold it is it condensed.
//
// Everything here works with the layout's fixed metrics, never with rendered
// text: a label is as wide as six pixels per GBK byte (the 12-pixel Song
// face) and as tall as that face.
#pragma once

#include <span>
#include <string_view>

namespace quillet {

// The canvas's width, which no label may cross.
inline constexpr int kCanvasWidth = 440;
// Six pixels per GBK byte: a Chinese character of the 12-pixel face.
inline constexpr int kLabelPixelsPerByte = 6;
inline constexpr int kLabelHeight = 12;
// A condensed label keeps at least this share of its width, in per cent;
// below it the strokes of the 12-pixel face run together.
inline constexpr int kLeastSqueezePercent = 60;
// A label that is moved or condensed keeps this much white from the labels
// beside it, so that two names do not read as one.
inline constexpr int kMovedLabelGap = 4;
inline constexpr int kDaysInWeek = 7;

// The horizontal extent of a label: [left, left + width).
struct LabelBox {
  int left;
  int width;
  constexpr int Right() const { return left + width; }
  friend bool operator==(LabelBox, LabelBox) = default;
};

// The width of `text` by the layout's metrics.
int LabelWidth(std::string_view text);

// Takes the labels of one row, left to right (the days of one week, at most
// seven, in neighbouring columns), each at its place by the rule, and moves
// or condenses those that do not fit:
// - A label inside the canvas that overlaps neither neighbour stays as it is.
// - The others, in each run between two labels that stay (or a canvas edge),
//   move as little as possible, in the least-squares sense, so that the
//   displacement is shared fairly between two labels that crowd each other,
//   and keep kMovedLabelGap from the labels beside them.
// - Only where the run is wider than its room are its labels condensed, all
//   by the same factor, packed edge to edge; and where even that would take a
//   label below kLeastSqueezePercent, the labels beside the run give up their
//   places to widen it. (Seven of the longest festival names fit a row at
//   that share, so only a row of longer texts would be condensed further.)
// A label comes back narrower than it went in only when it is condensed.
void FitRowLabels(std::span<LabelBox> row);

}  // namespace quillet
