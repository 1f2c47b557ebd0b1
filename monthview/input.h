// Reading the whole number that stands in an edit box.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillet {

// Values beyond this magnitude are all equally out of range; reading
// saturates here so no text, however long, wraps into a valid year.
inline constexpr std::int64_t kBoxNumberLimit = 999'999'999'999;

// The box's decimal number with its fraction dropped toward zero. Leading
// spaces and one sign are allowed; ASCII and full-width digits both count;
// reading stops at the first other character. Empty, or no digits, is 0.
// Leading zeros don't count. The result is clamped to ±kBoxNumberLimit.
std::int64_t ReadBoxNumber(std::string_view text);

// The outcome of checking both boxes: the year and month to draw, or the
// message for the title line. The month box is read only once the year
// passes.
struct BoxCheck {
  int year = 0;
  int month = 0;
  std::string_view message;  // "" when both pass

  bool Passed() const { return message.empty(); }
};

BoxCheck CheckBoxes(std::string_view yearText, std::string_view monthText);

// One step of a spin control: the box's number plus delta, kept within
// [lo, hi], as decimal text.
std::string SpinStep(std::string_view boxText, int delta, int lo, int hi);

}  // namespace quillet
