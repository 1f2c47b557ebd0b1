#include "monthview/month_view.h"

#include <gtest/gtest.h>

#include <string>

#include "monthview/grid.h"
#include "monthview/input.h"
#include "tests/monthview/recording_canvas.h"
#include "tests/support/box_model.h"

namespace quillet {
namespace {

using testing::FakeControls;
using testing::IsDayNumber;
using testing::Write;

constexpr Rgb kRed{0xFF, 0, 0};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kCyan{0, 0xFF, 0xFF};

std::vector<Write> DayNumbers(const FakeControls& controls) {
  std::vector<Write> numbers;
  for (const Write& w : controls.canvas.writes) {
    if (IsDayNumber(w)) numbers.push_back(w);
  }
  return numbers;
}

// The day numbers of a draw from the two boxes' texts.
std::vector<Write> DayNumbers(const std::string& year,
                              const std::string& month) {
  FakeControls controls(year, month);
  DrawMonth(controls);
  return DayNumbers(controls);
}

// The column's centre line of a day number as written: day 1..9 stands 8
// pixels left of it, 10..31 16 pixels.
int CentreOf(const Write& number) {
  return number.x + (number.text.size() == 1 ? 8 : 16);
}

struct LayoutCase {
  int year, month;
  int firstCellX, daysInMonth, rowHeight;
  int lastCellX, lastRowTop;
};

// Day n stands in the cell n - 1 after the first day's, seven to a row, with
// the column's centre line at 38 + 64 × column.
TEST(DrawMonthTest, WorkedLayouts) {
  const LayoutCase cases[] = {
      {2015, 2, 38, 28, 67, 422, 201},   // Sunday start, exactly four rows
      {2024, 2, 294, 29, 54, 294, 216},  // leap-year February, five rows
      // Saturday start, six rows: day 2 opens the second row.
      {2025, 3, 422, 31, 45, 102, 225},
  };
  for (const LayoutCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month));
    const auto numbers =
        DayNumbers(std::to_string(c.year), std::to_string(c.month));
    ASSERT_EQ(numbers.size(), static_cast<size_t>(c.daysInMonth));
    EXPECT_EQ(numbers.front().text, "1");
    EXPECT_EQ(numbers.front().x, c.firstCellX - 8);
    EXPECT_EQ(numbers.front().y, 0);
    EXPECT_EQ(numbers.back().text, std::to_string(c.daysInMonth));
    EXPECT_EQ(numbers.back().x, c.lastCellX - 16);
    EXPECT_EQ(numbers.back().y, c.lastRowTop);
    const int firstColumn = (c.firstCellX - 38) / 64;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
      const int cell = firstColumn + static_cast<int>(i);
      EXPECT_EQ(numbers[i].text, std::to_string(i + 1));
      EXPECT_EQ(CentreOf(numbers[i]), 38 + 64 * (cell % 7)) << i + 1;
      EXPECT_EQ(numbers[i].y, c.rowHeight * (cell / 7)) << i + 1;
    }
  }
}

TEST(DrawMonthTest, GregorianMonthLengths) {
  const struct {
    int year, month, days;
  } cases[] = {{2000, 2, 29}, {2004, 2, 29},  {2001, 2, 28},
               {1902, 1, 31}, {2047, 12, 31}, {1999, 4, 30}};
  for (const auto& c : cases) {
    EXPECT_EQ(
        DayNumbers(std::to_string(c.year), std::to_string(c.month)).size(),
        static_cast<size_t>(c.days))
        << c.year << "-" << c.month;
  }
}

TEST(DrawMonthTest, WatermarkComesFirstUnderEverything) {
  FakeControls controls("1999", "12");
  DrawMonth(controls);
  const auto& writes = controls.canvas.writes;
  ASSERT_FALSE(writes.empty());
  EXPECT_EQ(controls.canvas.clears, 1);
  EXPECT_EQ(controls.clearsBeforeTitle, 0) << "title is written before clear";
  const Write& mark = writes.front();
  EXPECT_EQ(mark.text, "1999");
  EXPECT_EQ(mark.x, 140);
  EXPECT_EQ(mark.y, 0);
  EXPECT_EQ(mark.color, (Rgb{0xEC, 0xEC, 0xEC}));
  EXPECT_EQ(mark.background, std::nullopt);
  EXPECT_EQ(mark.font, (CanvasFont{"Arial", 60, true}));
}

TEST(DrawMonthTest, NumbersAndLabelsAlternateInTheirFonts) {
  FakeControls controls("2024", "2");
  DrawMonth(controls);
  const auto& writes = controls.canvas.writes;
  ASSERT_EQ(writes.size(), 1u + 2u * 29u);
  for (size_t i = 1; i < writes.size(); i += 2) {
    EXPECT_EQ(writes[i].font, (CanvasFont{"Arial", 18, true}));
    EXPECT_EQ(writes[i + 1].font, (CanvasFont{"宋体", 9, false}));
    EXPECT_EQ(writes[i + 1].background, std::nullopt);
    EXPECT_EQ(writes[i + 1].y, writes[i].y + 30);
  }
}

TEST(DrawMonthTest, WeekendNumbersAreRedOthersBlack) {
  for (int month = 1; month <= 12; ++month) {
    for (const Write& n : DayNumbers("2031", std::to_string(month))) {
      const int column = (CentreOf(n) - 38) / 64;
      EXPECT_EQ(n.color, column == 0 || column == 6 ? kRed : kBlack)
          << month << "/" << n.text;
    }
  }
}

TEST(DrawMonthTest, TodayIsOnCyanOnlyInTodaysMonth) {
  const CivilDate today{2024, 3, 9};
  const struct {
    std::string year, month;
    int cyanDay;  // 0: none
  } cases[] = {{"2024", "3", 9},
               {"2024", "4", 0},
               {"2024", "2", 0},
               {"2023", "3", 0}};  // the same day in another year is not today
  for (const auto& c : cases) {
    FakeControls controls(c.year, c.month, today);
    DrawMonth(controls);
    for (const Write& w : controls.canvas.writes) {
      const bool expectCyan = IsDayNumber(w) && c.cyanDay != 0 &&
                              w.text == std::to_string(c.cyanDay);
      EXPECT_EQ(w.background, expectCyan ? std::optional(kCyan) : std::nullopt)
          << c.year << "-" << c.month << " " << w.text;
    }
  }
}

TEST(DrawMonthTest, ReadingTheBoxes) {
  const std::string yearMessage = testing::kYearMessage;
  const std::string monthMessage = testing::kMonthMessage;
  const std::string millionDigits(1'000'000, '9');
  const struct {
    std::string year, month;
    std::string message;  // "" when the month is drawn
    int drawnYear, drawnMonth;
  } cases[] = {
      {"1902", "1", "", 1902, 1},
      {"2047", "12", "", 2047, 12},
      {"02024", "03", "", 2024, 3},    // leading zeros don't count
      {"2024.9", "3.5", "", 2024, 3},  // fractions are dropped
      {"  2024", "+3", "", 2024, 3},
      {"２０２４", "３", "", 2024, 3},  // full-width digits
      {"000000000000002024", "0000000000007", "", 2024, 7},
      {"1901", "1", yearMessage, 0, 0},
      {"2048", "1", yearMessage, 0, 0},
      {"0", "1", yearMessage, 0, 0},
      {"", "1", yearMessage, 0, 0},
      {"abc", "1", yearMessage, 0, 0},
      {"-2024", "1", yearMessage, 0, 0},
      {"4294969320", "1", yearMessage, 0, 0},  // 2^32 + 2024 must not wrap
      {"18446744073709553640", "1", yearMessage, 0, 0},  // 2^64 + 2024
      {"-4294965272", "1", yearMessage, 0, 0},           // -2^32 + 2024
      {millionDigits, "1", yearMessage, 0, 0},
      {"1901", "13", yearMessage, 0, 0},  // only the year is reported
      {"2024", "0", monthMessage, 0, 0},
      {"2024", "13", monthMessage, 0, 0},
      {"2024", "", monthMessage, 0, 0},
      {"2024", "x3", monthMessage, 0, 0},
      {"2024", "4294967299", monthMessage, 0, 0},  // 2^32 + 3
      {"2024", "-4294967293", monthMessage, 0, 0},
      {"2024", millionDigits, monthMessage, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("year '" + c.year.substr(0, 30) + "' month '" +
                 c.month.substr(0, 30) + "'");
    FakeControls controls(c.year, c.month);
    DrawMonth(controls);
    if (!c.message.empty()) {
      EXPECT_EQ(controls.title, c.message);
      EXPECT_EQ(controls.canvas.calls, 0) << "a failed check draws nothing";
      continue;
    }
    ASSERT_FALSE(controls.canvas.writes.empty());
    EXPECT_EQ(controls.canvas.writes.front().text, std::to_string(c.drawnYear));
    FakeControls plain(std::to_string(c.drawnYear),
                       std::to_string(c.drawnMonth));
    DrawMonth(plain);
    EXPECT_EQ(controls.title, plain.title);
    EXPECT_EQ(DayNumbers(controls).size(), DayNumbers(plain).size());
  }
}

TEST(DrawMonthTest, MessagesAreExact) {
  EXPECT_EQ(std::string(kYearMessage),
            "\xE2\x80\xBB\xE2\x80\xBB \xE5\xB9\xB4\xE4\xBB\xBD\xE5\xBA\x94"
            "\xE5\x9C\xA8"
            "1902-2047"
            "\xE4\xB9\x8B\xE9\x97\xB4 \xE2\x80\xBB\xE2\x80\xBB");
  // The space before the closing marks is U+3000, the others ASCII.
  EXPECT_EQ(std::string(kMonthMessage),
            "\xE2\x80\xBB\xE2\x80\xBB \xE6\x9C\x88\xE4\xBB\xBD\xE6\x95\xB0"
            "\xE5\xBA\x94\xE5\x9C\xA8 1-12 \xE4\xB9\x8B\xE9\x97\xB4"
            "\xE3\x80\x80\xE2\x80\xBB\xE2\x80\xBB");
}

TEST(SpinStepTest, StaysInRangeFromAnyText) {
  const struct {
    std::string text;
    int delta;
    std::string expected;
  } cases[] = {
      {"2024", 1, "2025"},   {"2024", -1, "2023"},
      {"2047", 1, "2047"},   {"1902", -1, "1902"},
      {"", 1, "1902"},       {"abc", -1, "1902"},
      {"1901", 1, "1902"},   {"9999", -1, "2047"},
      {"2024.7", 1, "2025"}, {std::string(500, '9'), 1, "2047"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SpinStep(c.text, c.delta, 1902, 2047), c.expected)
        << c.text.substr(0, 20) << " " << c.delta;
  }
  EXPECT_EQ(SpinStep("12", 1, 1, 12), "12");
  EXPECT_EQ(SpinStep("1", -1, 1, 12), "1");
  EXPECT_EQ(SpinStep("07", 1, 1, 12), "8");
}

}  // namespace
}  // namespace quillet
