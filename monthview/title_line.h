// The title line above the grid: the year by its Chinese era, and the lunar
// year of the month's first day by its stem-branch name and zodiac animal.
#pragma once

#include <string>

namespace quillet {

// "◆光绪28" … "◆宣统元" … "◆民国38", "◆共和国元", "◆共和国98".
std::string EraPrefix(int year);

// For a checked year (1902..2047) and month (1..12), e.g. for March 2024
// "◆共和国75年◆ 农历 甲辰年〖龙〗".
std::string TitleText(int year, int month);

}  // namespace quillet
