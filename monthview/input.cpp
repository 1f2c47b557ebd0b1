#include "monthview/input.h"

#include <algorithm>

#include "lunar/cn_calendar.h"

namespace quillet {

static_assert(kFirstShownYear >= kFirstGregorianYear &&
                  kLastShownYear <= kLastGregorianYear,
              "the component serves every year shown");

namespace {

// The value of the digit that starts `text` at `pos` and its byte length:
// ASCII 0-9 (1 byte) or full-width U+FF10..U+FF19 (EF BC 90..99), or -1.
int DigitAt(std::string_view text, std::size_t pos, std::size_t& length) {
  const auto byte = [&](std::size_t i) {
    return static_cast<unsigned char>(text[i]);
  };
  if (pos < text.size() && byte(pos) >= '0' && byte(pos) <= '9') {
    length = 1;
    return byte(pos) - '0';
  }
  if (pos + 2 < text.size() && byte(pos) == 0xEF && byte(pos + 1) == 0xBC &&
      byte(pos + 2) >= 0x90 && byte(pos + 2) <= 0x99) {
    length = 3;
    return byte(pos + 2) - 0x90;
  }
  return -1;
}

}  // namespace

std::int64_t ReadBoxNumber(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  std::int64_t value = 0;  // [0, kBoxNumberLimit]
  for (std::size_t length = 0;; pos += length) {
    const int digit = DigitAt(text, pos, length);
    if (digit < 0) break;
    value = std::min(value * 10 + digit, kBoxNumberLimit);
  }
  return negative ? -value : value;
}

BoxCheck CheckBoxes(std::string_view yearText, std::string_view monthText) {
  const std::int64_t year = ReadBoxNumber(yearText);
  if (year < kFirstShownYear || year > kLastShownYear) {
    return {.message = kYearMessage};
  }
  const std::int64_t month = ReadBoxNumber(monthText);
  if (month < 1 || month > 12) return {.message = kMonthMessage};
  return {static_cast<int>(year), static_cast<int>(month), {}};
}

std::string SpinStep(std::string_view boxText, int delta, int lo, int hi) {
  const std::int64_t stepped = ReadBoxNumber(boxText) + delta;
  return std::to_string(std::clamp<std::int64_t>(stepped, lo, hi));
}

BoxTexts StepShownMonth(std::string_view yearText, std::string_view monthText,
                        int delta, StepUnit unit) {
  int year = static_cast<int>(std::clamp<std::int64_t>(
      ReadBoxNumber(yearText), kFirstShownYear, kLastShownYear));
  int month = static_cast<int>(
      std::clamp<std::int64_t>(ReadBoxNumber(monthText), 1, 12));
  if (unit == StepUnit::kYear) {
    year = static_cast<int>(std::clamp<std::int64_t>(
        std::int64_t{year} + delta, kFirstShownYear, kLastShownYear));
  } else {
    // Months counted from the first shown year's 一月: [0, kLastIndex].
    constexpr std::int64_t kLastIndex =
        (kLastShownYear - kFirstShownYear + 1) * 12 - 1;
    const auto index = static_cast<int>(std::clamp<std::int64_t>(
        std::int64_t{year - kFirstShownYear} * 12 + month - 1 + delta, 0,
        kLastIndex));
    year = kFirstShownYear + index / 12;
    month = index % 12 + 1;
  }
  return {std::to_string(year), std::to_string(month)};
}

int WheelNotches::Add(int eighthsOfDegree) {
  if ((eighthsOfDegree > 0 && gathered_ < 0) ||
      (eighthsOfDegree < 0 && gathered_ > 0)) {
    gathered_ = 0;
  }
  const std::int64_t total = std::int64_t{gathered_} + eighthsOfDegree;
  const auto notches = static_cast<int>(total / kWheelNotch);  // toward zero
  gathered_ = static_cast<int>(total % kWheelNotch);
  return notches;
}

}  // namespace quillet
