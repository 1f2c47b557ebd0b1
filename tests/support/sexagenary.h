// The stems, branches and animals spelt out here, apart from the program's
// names, and a count of days that does not go through <chrono>.
#pragma once

#include <string>

namespace quillet::testing {

inline constexpr const char* kStems[] = {"甲", "乙", "丙", "丁", "戊",
                                         "己", "庚", "辛", "壬", "癸"};
inline constexpr const char* kBranches[] = {"子", "丑", "寅", "卯", "辰", "巳",
                                            "午", "未", "申", "酉", "戌", "亥"};
inline constexpr const char* kAnimals[] = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                                           "马", "羊", "猴", "鸡", "狗", "猪"};

// The name of the cycle's place `index`, 1 (甲子) to 60 (癸亥).
inline std::string CycleName(int index) {
  return std::string{kStems[(index - 1) % 10]} + kBranches[(index - 1) % 12];
}

// The Julian Day Number of a Gregorian date, by the integer formula of
// Fliegel and Van Flandern (1968). JD 11 (-4701-11-22, proleptic Gregorian)
// was a 甲子 day, so a day's place in the cycle is (JDN − 11) mod 60 + 1.
inline long JulianDayNumber(int y, int m, int d) {
  const long a = (m - 14) / 12;
  return (1461L * (y + 4800 + a)) / 4 + (367L * (m - 2 - 12 * a)) / 12 -
         (3L * ((y + 4900 + a) / 100)) / 4 + d - 32075;
}

}  // namespace quillet::testing
