// Moving through the months from the boxes' texts, and a wheel's turn counted
// in notches.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "monthview/input.h"

namespace quillet {
namespace {

TEST(StepShownMonthTest, MonthsCarryIntoTheYearAndStopAtTheRangesEnds) {
  const struct {
    const char* year;
    const char* month;
    int delta;
    StepUnit unit;
    BoxTexts after;
  } cases[] = {
      {"2024", "3", +1, StepUnit::kMonth, {"2024", "4"}},
      {"2024", "12", +1, StepUnit::kMonth, {"2025", "1"}},  // 十二月 → 一月
      {"2024", "1", -1, StepUnit::kMonth, {"2023", "12"}},
      {"2024", "11", +3, StepUnit::kMonth, {"2025", "2"}},   // three notches
      {"2047", "12", +1, StepUnit::kMonth, {"2047", "12"}},  // the last month
      {"1902", "1", -1, StepUnit::kMonth, {"1902", "1"}},    // the first
      {"2047", "11", +1, StepUnit::kMonth, {"2047", "12"}},
      {"1902", "2", -1, StepUnit::kMonth, {"1902", "1"}},
      {"2046", "12", +14, StepUnit::kMonth, {"2047", "12"}},  // past the end
      {"2024", "5", +1, StepUnit::kYear, {"2025", "5"}},
      {"2024", "5", -1, StepUnit::kYear, {"2023", "5"}},
      {"2047", "5", +1, StepUnit::kYear, {"2047", "5"}},  // as the arrows do
      {"1902", "3", -1, StepUnit::kYear, {"1902", "3"}},
      {"2024", "12", +1, StepUnit::kYear, {"2025", "12"}},
      // Texts as typed: leading zeros, fractions, full-width digits.
      {"02024", "03", +1, StepUnit::kMonth, {"2024", "4"}},
      {"2024.9", "3.5", +1, StepUnit::kMonth, {"2024", "4"}},
      {"２０２４", "１２", +1, StepUnit::kMonth, {"2025", "1"}},
      // Numbers outside the ranges are brought to their nearest end first.
      {"1901", "0", +1, StepUnit::kMonth, {"1902", "2"}},
      {"3000", "13", -1, StepUnit::kMonth, {"2047", "11"}},
      {"", "", +1, StepUnit::kYear, {"1903", "1"}},
      {"abc", "7", -1, StepUnit::kMonth, {"1902", "6"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.year) + "-" + c.month + " " +
                 std::to_string(c.delta));
    EXPECT_EQ(StepShownMonth(c.year, c.month, c.delta, c.unit), c.after);
  }
}

// Twelve months a year, 146 years: from the first month to the last is
// 146 × 12 - 1 steps, and one more changes nothing.
TEST(StepShownMonthTest, WalksTheWholeRangeMonthByMonth) {
  BoxTexts at{"1902", "1"};
  int steps = 0;
  for (;; ++steps) {
    const BoxTexts next =
        StepShownMonth(at.year, at.month, +1, StepUnit::kMonth);
    if (next == at) break;
    ASSERT_EQ(std::stoi(next.year) * 12 + std::stoi(next.month),
              std::stoi(at.year) * 12 + std::stoi(at.month) + 1);
    at = next;
  }
  EXPECT_EQ(steps, 146 * 12 - 1);
  EXPECT_EQ(at, (BoxTexts{"2047", "12"}));
}

TEST(WheelNotchesTest, StepsAddUpToNotches) {
  const struct {
    const char* what;
    std::vector<int> turns;  // eighths of a degree, as reported
    std::vector<int> notches;
  } cases[] = {
      {"a notch away", {120}, {1}},
      {"a notch back", {-120}, {-1}},
      {"two notches in one report", {240}, {2}},
      {"three thirds of a notch", {40, 40, 40}, {0, 0, 1}},
      {"fine steps, then a remainder carried", {100, 100, 100}, {0, 1, 1}},
      {"turning back drops the gathered part", {60, -30, -90}, {0, 0, -1}},
      {"and again the other way", {-100, 50, 70}, {0, 0, 1}},
      {"no turn", {0, 0}, {0, 0}},
      {"a long fast spin", {-1200}, {-10}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WheelNotches wheel;
    std::vector<int> got;
    for (const int turn : c.turns) got.push_back(wheel.Add(turn));
    EXPECT_EQ(got, c.notches);
  }
}

}  // namespace
}  // namespace quillet
