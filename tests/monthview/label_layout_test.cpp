#include "monthview/label_layout.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

namespace quillet {
namespace {

// A day name's box in each column: twelve pixels left of the column's centre
// line (38 + 64 × column), two characters of six pixels per byte.
constexpr LabelBox DayName(int column) { return {38 + 64 * column - 12, 24}; }

// Day names in columns `first` to `last`, then `more`.
std::vector<LabelBox> DayNames(int first, int last,
                               std::initializer_list<LabelBox> more = {}) {
  std::vector<LabelBox> row;
  for (int column = first; column <= last; ++column) {
    row.push_back(DayName(column));
  }
  row.insert(row.end(), more);
  return row;
}

struct RowCase {
  const char* why;
  std::vector<LabelBox> wanted;
  std::vector<LabelBox> placed;
};

// Every expectation is worked by hand from the rules: the room a run has
// runs from 4 pixels right of the label before it (or x 0) to 4 pixels left
// of the label after it (or x 440).
TEST(FitRowLabelsTest, WorkedRows) {
  const RowCase cases[] = {
      {"day names all fit and stay", DayNames(0, 6), DayNames(0, 6)},
      {"闰四月小 on a Saturday, 422 - 24 = 398, ends at 446: moves 6 left",
       DayNames(0, 5, {{398, 48}}), DayNames(0, 5, {{392, 48}})},
      {"国际志愿人员日 on a Saturday: 84 pixels into 374..440",
       {DayName(4), DayName(5), {377, 84}},
       {DayName(4), DayName(5), {374, 66}}},
      {"香港回归中共诞辰 on a Sunday: 96 pixels into 0..86",
       {{-13, 96}, DayName(1), DayName(2)},
       {{0, 86}, DayName(1), DayName(2)}},
      {"消费者权益日 on a Sunday starts at -1: moves 1 right, whole",
       {{-1, 72}, DayName(1)},
       {{0, 72}, DayName(1)}},
      {"two labels alone share the displacement: 10 overlap + 4 gap",
       {{200, 60}, {250, 60}},
       {{193, 60}, {257, 60}}},
      {"十一月大 over 国际志愿人员日 (December 2002): 4 left, 5 right",
       {DayName(2), {206, 48}, {249, 84}, DayName(5)},
       {DayName(2), {202, 48}, {254, 84}, DayName(5)}},
      {"世界环境保护日 over 全国爱眼日 (June 1902): the left one has only 3",
       {DayName(3), {249, 84}, {325, 60}, DayName(6)},
       {DayName(3), {246, 84}, {334, 60}, DayName(6)}},
      {"十一月大 and 国际志愿人员日 at the row's end: both condensed, 126 "
       "pixels shared 48 : 84",
       {DayName(4), {334, 48}, {377, 84}},
       {DayName(4), {310, 46}, {360, 80}}},
      {"a label that would go below 60% takes its neighbour's place too",
       {DayName(4), {306, 56}, {362, 140}},
       {DayName(4), {310, 36}, {350, 90}}},
      {"a first row that is only a Saturday has the whole canvas",
       {{377, 84}},
       {{356, 84}}},
      {"touching labels do not overlap and stay",
       {{100, 60}, {160, 60}},
       {{100, 60}, {160, 60}}},
  };
  for (const RowCase& c : cases) {
    SCOPED_TRACE(c.why);
    std::vector<LabelBox> row = c.wanted;
    FitRowLabels(row);
    ASSERT_EQ(row.size(), c.placed.size());
    for (std::size_t i = 0; i < row.size(); ++i) {
      EXPECT_EQ(row[i].left, c.placed[i].left) << "label " << i;
      EXPECT_EQ(row[i].width, c.placed[i].width) << "label " << i;
    }
  }
}

// Texts longer than any the program writes: seven of 120 pixels cannot
// share 440 at 60 %, yet they still end up inside the canvas, apart.
TEST(FitRowLabelsTest, AnOverfullRowStillFitsTheCanvas) {
  std::vector<LabelBox> row;
  for (int column = 0; column < 7; ++column) {
    row.push_back({38 + 64 * column - 60, 120});
  }
  FitRowLabels(row);
  EXPECT_GE(row.front().left, 0);
  EXPECT_LE(row.back().Right(), 440);
  for (std::size_t i = 0; i + 1 < row.size(); ++i) {
    EXPECT_LE(row[i].Right(), row[i + 1].left) << i;
    EXPECT_GT(row[i].width, 0) << i;
  }
}

TEST(FitRowLabelsTest, RefusesMoreThanAWeek) {
  std::vector<LabelBox> row(8, LabelBox{0, 24});
  EXPECT_THROW(FitRowLabels(row), std::invalid_argument);
}

TEST(LabelWidthTest, SixPixelsPerGbkByte) {
  EXPECT_EQ(LabelWidth("初二"), 24);
  EXPECT_EQ(LabelWidth("香港回归中共诞辰"), 96);
  EXPECT_EQ(LabelWidth("闰十一月小"), 60);
  EXPECT_EQ(LabelWidth(""), 0);
}

}  // namespace
}  // namespace quillet
