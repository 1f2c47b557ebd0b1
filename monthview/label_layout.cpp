#include "monthview/label_layout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <stdexcept>

#include "monthview/gbk.h"

namespace quillet {
namespace {

using Boxes = std::array<LabelBox, kDaysInWeek>;

bool Condensable(const LabelBox& natural, int width) {
  return width * 100 >= natural.width * kLeastSqueezePercent;
}

// Places wanted[first..last] between the pixels lo and hi, kMovedLabelGap
// apart. Where the labels' widths fit, each keeps its width and the sum of
// squared displacements is least; otherwise they are condensed by one factor
// and packed. Returns false, changing nothing, where the factor would fall
// below the least, unless `wholeRow` says there is no more room to be had.
bool Arrange(const Boxes& wanted, std::size_t first, std::size_t last, int lo,
             int hi, bool wholeRow, Boxes& placed) {
  const int gaps = kMovedLabelGap * static_cast<int>(last - first);
  int total = 0;
  for (std::size_t i = first; i <= last; ++i) total += wanted[i].width;
  const int room = hi - lo;

  if (total + gaps > room) {
    const int textRoom = std::max(0, room - gaps);
    Boxes condensed = placed;
    int before = 0;  // the natural width of the labels left of i in the run
    int gapsBefore = 0;
    const auto edge = [&](int naturalSoFar) {
      return static_cast<int>(
          std::lround(static_cast<double>(textRoom) * naturalSoFar / total));
    };
    for (std::size_t i = first; i <= last; ++i) {
      const int left = edge(before);
      before += wanted[i].width;
      condensed[i] = {lo + gapsBefore + left, edge(before) - left};
      gapsBefore += kMovedLabelGap;
      if (!wholeRow && !Condensable(wanted[i], condensed[i].width)) {
        return false;
      }
    }
    placed = condensed;
    return true;
  }

  // With shift[i] the width (gaps included) of the labels before i in the
  // run, the labels stay apart exactly when left[i] - shift[i] never
  // decreases: the least-squares placement is the isotonic fit of the wanted
  // lefts less their shifts (pool adjacent violators), clamped into the room.
  struct Pool {
    double sum;
    int count;
    double Mean() const { return sum / count; }
  };
  std::array<Pool, kDaysInWeek> pools{};
  std::size_t poolCount = 0;
  int shift = 0;
  for (std::size_t i = first; i <= last; ++i) {
    pools[poolCount++] = {static_cast<double>(wanted[i].left - shift), 1};
    shift += wanted[i].width + kMovedLabelGap;
    while (poolCount > 1 &&
           pools[poolCount - 2].Mean() > pools[poolCount - 1].Mean()) {
      pools[poolCount - 2].sum += pools[poolCount - 1].sum;
      pools[poolCount - 2].count += pools[poolCount - 1].count;
      --poolCount;
    }
  }
  // Pools hold consecutive labels, in order.
  std::size_t i = first;
  shift = 0;
  for (std::size_t pool = 0; pool < poolCount; ++pool) {
    const int offset =
        std::clamp(static_cast<int>(std::floor(pools[pool].Mean() + 0.5)), lo,
                   hi - total - gaps);
    for (int k = 0; k < pools[pool].count; ++k, ++i) {
      placed[i] = {offset + shift, wanted[i].width};
      shift += wanted[i].width + kMovedLabelGap;
    }
  }
  return true;
}

}  // namespace

int LabelWidth(std::string_view text) {
  return kLabelPixelsPerByte * static_cast<int>(GbkByteLength(text));
}

void FitRowLabels(std::span<LabelBox> row) {
  const std::size_t n = row.size();
  if (n > kDaysInWeek) {
    throw std::invalid_argument("FitRowLabels: a row holds at most 7 labels");
  }
  Boxes wanted{};
  std::copy(row.begin(), row.end(), wanted.begin());
  Boxes placed = wanted;

  std::array<bool, kDaysInWeek> stays{};
  for (std::size_t i = 0; i < n; ++i) {
    const LabelBox& box = wanted[i];
    stays[i] = box.left >= 0 && box.Right() <= kCanvasWidth &&
               (i == 0 || wanted[i - 1].Right() <= box.left) &&
               (i + 1 == n || box.Right() <= wanted[i + 1].left);
  }

  for (std::size_t i = 0; i < n; ++i) {
    if (stays[i]) continue;
    std::size_t first = i, last = i;
    while (last + 1 < n && !stays[last + 1]) ++last;
    for (;;) {
      const int lo =
          first == 0 ? 0 : placed[first - 1].Right() + kMovedLabelGap;
      const int hi =
          last + 1 == n ? kCanvasWidth : placed[last + 1].left - kMovedLabelGap;
      const bool wholeRow = first == 0 && last + 1 == n;
      if (Arrange(wanted, first, last, lo, hi, wholeRow, placed)) break;
      // Too little room even condensed: the neighbours give up their places,
      // and with them any run beyond.
      if (first > 0) {
        for (--first; first > 0 && !stays[first - 1];) --first;
      }
      if (last + 1 < n) {
        for (++last; last + 1 < n && !stays[last + 1];) ++last;
      }
      for (std::size_t k = first; k <= last; ++k) stays[k] = false;
    }
    i = last;
  }
  std::copy(placed.begin(), placed.begin() + static_cast<std::ptrdiff_t>(n),
            row.begin());
}

}  // namespace quillet
