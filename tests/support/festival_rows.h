// The festival list as the layout gives it, row by row, in matching order,
// kept as data so that tests do not read the program's own table.
#pragma once

#include <iterator>
#include <string>
#include <vector>

#include "lunar/cn_calendar.h"
#include "tests/support/served_days.h"

namespace quillet::testing {

struct LiteralRow {
  bool lunar;
  int month, firstDay, lastDay;
  const char* text;
};
inline constexpr LiteralRow kFestivalRows[] = {
    {false, 1, 1, 1, "1元旦"},           {false, 5, 1, 3, "1劳动节"},
    {false, 10, 1, 3, "1国庆节"},        {true, 1, 1, 3, "1春节"},
    {false, 2, 14, 14, "2情人节"},       {false, 3, 5, 5, "2学雷锋"},
    {false, 3, 8, 8, "2妇女节"},         {false, 3, 12, 12, "2植树节"},
    {false, 3, 15, 15, "2消费者权益日"}, {false, 4, 1, 1, "2愚人节"},
    {false, 4, 7, 7, "2世界卫生日"},     {false, 4, 22, 22, "2世界地球日"},
    {false, 5, 4, 4, "2青年节"},         {false, 5, 8, 8, "2世界红十字日"},
    {false, 5, 12, 12, "2国际护士节"},   {false, 5, 15, 15, "2国际家庭日"},
    {false, 5, 17, 17, "2国际电信日"},   {false, 6, 1, 1, "2国际儿童节"},
    {false, 6, 5, 5, "2世界环境保护日"}, {false, 6, 6, 6, "2全国爱眼日"},
    {false, 6, 25, 25, "2全国土地日"},   {false, 7, 1, 1, "2香港回归中共诞辰"},
    {false, 7, 7, 7, "2抗战纪念日"},     {false, 8, 1, 1, "2建军节"},
    {false, 8, 15, 15, "2抗战胜利"},     {false, 9, 9, 9, "2毛泽东逝世"},
    {false, 9, 8, 8, "2国际扫盲日"},     {false, 9, 10, 10, "2教师节"},
    {false, 9, 27, 27, "2世界旅游日"},   {false, 9, 28, 28, "2孔子诞辰"},
    {false, 10, 6, 6, "2老人节"},        {false, 10, 9, 9, "2世界邮政日"},
    {false, 10, 14, 14, "2世界标准日"},  {false, 10, 16, 16, "2世界粮食日"},
    {false, 10, 24, 24, "2联合国日"},    {false, 11, 20, 22, "2彝族年"},
    {false, 11, 12, 12, "2孙中山诞辰"},  {false, 12, 5, 5, "2国际志愿人员日"},
    {false, 12, 20, 20, "2澳门回归"},    {false, 12, 25, 25, "2圣诞节"},
    {false, 12, 26, 26, "2毛泽东诞辰"},  {false, 5, 20, 20, "2母亲节"},
    {false, 6, 30, 30, "2父亲节"},       {false, 7, 30, 30, "2被奴国周"},
    {false, 11, 24, 24, "2感恩节"},      {true, 1, 15, 15, "3元宵节"},
    {true, 5, 5, 5, "3端午节"},          {true, 6, 24, 26, "3火把节"},
    {true, 7, 7, 7, "3七夕情人节"},      {true, 7, 15, 15, "3中元节"},
    {true, 8, 15, 15, "3中秋节"},        {true, 9, 9, 9, "3重阳节"},
    {true, 12, 8, 8, "3腊八节"},         {true, 12, 24, 24, "3小年"},
};
static_assert(std::size(kFestivalRows) == 54);

// The literal rows that hold the day, in order; a lunar row holds the day of
// its number in a leap month too.
inline std::vector<LiteralRow> ExpectedRows(const CivilDay& day,
                                            const LunarDate& lunar) {
  std::vector<LiteralRow> rows;
  for (const LiteralRow& row : kFestivalRows) {
    const int month = row.lunar ? lunar.month : day.month;
    const int dayOfMonth = row.lunar ? lunar.day : day.day;
    if (month == row.month && dayOfMonth >= row.firstDay &&
        dayOfMonth <= row.lastDay) {
      rows.push_back(row);
    }
  }
  return rows;
}

// The text of the first of them.
inline std::string ExpectedFestival(const CivilDay& day,
                                    const LunarDate& lunar) {
  const auto rows = ExpectedRows(day, lunar);
  return rows.empty() ? "" : rows.front().text;
}

}  // namespace quillet::testing
