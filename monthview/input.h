// Reading the whole numbers that stand in the two boxes, and checking them
// against the years and months the program shows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillet {

// The years the program shows; the lunar calendar component serves them all.
inline constexpr int kFirstShownYear = 1902;
inline constexpr int kLastShownYear = 2047;

// What the title line says instead when a box does not pass. The space
// before the month message's closing ※※ is the ideographic space U+3000.
inline constexpr char kYearMessage[] = "※※ 年份应在1902-2047之间 ※※";
inline constexpr char kMonthMessage[] = "※※ 月份数应在 1-12 之间\u3000※※";

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

// The two boxes' texts.
struct BoxTexts {
  std::string year;
  std::string month;
  friend bool operator==(const BoxTexts&, const BoxTexts&) = default;
};

enum class StepUnit { kMonth, kYear };

// The boxes' texts after moving `delta` months or years from the month they
// name, their numbers first brought within the years shown and 1..12. Months
// carry into the year (十二月 and one more is the next year's 一月) and stop
// at the first and the last month shown; a year step keeps the month and,
// like the year box's arrows, stays at the first or last year shown.
BoxTexts StepShownMonth(std::string_view yearText, std::string_view monthText,
                        int delta, StepUnit unit);

// A mouse wheel's turn counted in notches. Wheels report eighths of a degree,
// 120 to a notch; a high-resolution wheel sends smaller steps, which add up
// to a notch, and turning back drops what was gathered the other way.
inline constexpr int kWheelNotch = 120;

class WheelNotches {
 public:
  // The notches completed by this step, signed as the step is.
  int Add(int eighthsOfDegree);

 private:
  int gathered_ = 0;  // (-kWheelNotch, kWheelNotch)
};

}  // namespace quillet
