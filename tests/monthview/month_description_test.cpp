#include "monthview/month_description.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

TEST(MonthDescriptionTest, EveryDayWithItsLabel) {
  const struct {
    int year, month;
    const char* piece;  // must appear in the description
  } cases[] = {
      {2024, 3, "3月1日 正月廿一；3月2日 正月廿二；"},
      {2024, 3, "3月10日 二月大；"},
      {2024, 3, "3月31日 二月廿二"},  // the last day, with no separator
      {2020, 10, "10月1日 国庆节；"},
      {2024, 2, "2月9日 除夕；2月10日 春节；"},
      {2023, 4, "4月1日 愚人节；4月2日 闰二月十二；"},  // a leap month
      {2024, 12, "12月2日 冬月初二；"},
      {2025, 1, "1月2日 腊月初三；"},
  };
  for (const auto& c : cases) {
    const std::string description = MonthDescription(c.year, c.month);
    EXPECT_NE(description.find(c.piece), std::string::npos)
        << c.year << "-" << c.month << ": " << description.substr(0, 120);
  }
  const std::string march = MonthDescription(2024, 3);
  EXPECT_TRUE(march.starts_with("3月1日 "));
  EXPECT_TRUE(march.ends_with("3月31日 二月廿二"));
}

}  // namespace
}  // namespace quillet
