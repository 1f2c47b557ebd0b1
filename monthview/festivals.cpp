#include "monthview/festivals.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "lunar/cn_calendar.h"
#include "monthview/day_key.h"

namespace quillet {
namespace {

namespace chr = std::chrono;

constexpr auto G = FestivalCalendar::kGregorian;
constexpr auto L = FestivalCalendar::kLunar;

// In matching order: where a Gregorian and a lunar row fall on the same day,
// the earlier row wins (a lunar new year on 14 February is 春节, 1 October on
// the fifteenth of the eighth lunar month is 国庆节). Category 1 first, then
// the Gregorian rows of category 2, then the lunar rows of category 3.
constexpr std::array<FestivalRow, 54> kFestivals{{
    {G, 1, 1, 1, "1元旦"},
    {G, 5, 1, 3, "1劳动节"},
    {G, 10, 1, 3, "1国庆节"},
    {L, 1, 1, 3, "1春节"},
    {G, 2, 14, 14, "2情人节"},
    {G, 3, 5, 5, "2学雷锋"},
    {G, 3, 8, 8, "2妇女节"},
    {G, 3, 12, 12, "2植树节"},
    {G, 3, 15, 15, "2消费者权益日"},
    {G, 4, 1, 1, "2愚人节"},
    {G, 4, 7, 7, "2世界卫生日"},
    {G, 4, 22, 22, "2世界地球日"},
    {G, 5, 4, 4, "2青年节"},
    {G, 5, 8, 8, "2世界红十字日"},
    {G, 5, 12, 12, "2国际护士节"},
    {G, 5, 15, 15, "2国际家庭日"},
    {G, 5, 17, 17, "2国际电信日"},
    {G, 6, 1, 1, "2国际儿童节"},
    {G, 6, 5, 5, "2世界环境保护日"},
    {G, 6, 6, 6, "2全国爱眼日"},
    {G, 6, 25, 25, "2全国土地日"},
    {G, 7, 1, 1, "2香港回归中共诞辰"},
    {G, 7, 7, 7, "2抗战纪念日"},
    {G, 8, 1, 1, "2建军节"},
    {G, 8, 15, 15, "2抗战胜利"},
    {G, 9, 9, 9, "2毛泽东逝世"},
    {G, 9, 8, 8, "2国际扫盲日"},
    {G, 9, 10, 10, "2教师节"},
    {G, 9, 27, 27, "2世界旅游日"},
    {G, 9, 28, 28, "2孔子诞辰"},
    {G, 10, 6, 6, "2老人节"},
    {G, 10, 9, 9, "2世界邮政日"},
    {G, 10, 14, 14, "2世界标准日"},
    {G, 10, 16, 16, "2世界粮食日"},
    {G, 10, 24, 24, "2联合国日"},
    {G, 11, 20, 22, "2彝族年"},
    {G, 11, 12, 12, "2孙中山诞辰"},
    {G, 12, 5, 5, "2国际志愿人员日"},
    {G, 12, 20, 20, "2澳门回归"},
    {G, 12, 25, 25, "2圣诞节"},
    {G, 12, 26, 26, "2毛泽东诞辰"},
    // Fixed dates too, whatever the weekday, kept after the December rows.
    {G, 5, 20, 20, "2母亲节"},
    {G, 6, 30, 30, "2父亲节"},
    {G, 7, 30, 30, "2被奴国周"},
    {G, 11, 24, 24, "2感恩节"},
    {L, 1, 15, 15, "3元宵节"},
    {L, 5, 5, 5, "3端午节"},
    {L, 6, 24, 26, "3火把节"},
    {L, 7, 7, 7, "3七夕情人节"},
    {L, 7, 15, 15, "3中元节"},
    {L, 8, 15, 15, "3中秋节"},
    {L, 9, 9, 9, "3重阳节"},
    {L, 12, 8, 8, "3腊八节"},
    {L, 12, 24, 24, "3小年"},
}};

}  // namespace

std::span<const FestivalRow> FestivalRows() { return kFestivals; }

const FestivalRow* FirstFestivalRow(int month, int day, int lunarMonth,
                                    int lunarDay) {
  for (const FestivalRow& row : kFestivals) {
    if (row.Matches(month, day, lunarMonth, lunarDay)) return &row;
  }
  return nullptr;
}

std::string FestivalText(int dayKey) {
  const CivilDate day = FromDayKey(dayKey);
  const LunarDate lunar =
      CnCalendar().GregorianToLunar(day.year, day.month, day.day);
  const FestivalRow* row =
      FirstFestivalRow(day.month, day.day, lunar.month, lunar.day);
  return row ? std::string(row->text) : std::string();
}

std::vector<Festival> FestivalsOn(int year, int month, int day) {
  const LunarDate lunar = CnCalendar().GregorianToLunar(year, month, day);
  std::vector<Festival> festivals;
  for (const FestivalRow& row : kFestivals) {
    if (row.Matches(month, day, lunar.month, lunar.day)) {
      festivals.push_back({std::string(row.name()), row.category()});
    }
  }
  return festivals;
}

std::vector<chr::year_month_day> FestivalDays(std::string_view name,
                                              int gregorianYear) {
  if (gregorianYear < kFirstSolarTermYear ||
      gregorianYear > kLastSolarTermYear) {
    throw std::out_of_range("FestivalDays: gregorianYear " +
                            std::to_string(gregorianYear) + " is outside " +
                            std::to_string(kFirstSolarTermYear) + ".." +
                            std::to_string(kLastSolarTermYear));
  }
  std::vector<const FestivalRow*> rows;
  for (const FestivalRow& row : kFestivals) {
    if (row.name() == name) rows.push_back(&row);
  }
  std::vector<chr::year_month_day> days;
  if (rows.empty()) return days;
  const CnCalendar calendar;
  const chr::sys_days first =
      std::max(chr::sys_days{chr::year{gregorianYear} / 1 / 1},
               chr::sys_days{kFirstServedDay});
  const chr::sys_days last{chr::year{gregorianYear} / 12 / 31};
  for (chr::sys_days d = first; d <= last; ++d) {
    const chr::year_month_day date{d};
    const int month = static_cast<int>(static_cast<unsigned>(date.month()));
    const int day = static_cast<int>(static_cast<unsigned>(date.day()));
    const LunarDate lunar =
        calendar.GregorianToLunar(gregorianYear, month, day);
    for (const FestivalRow* row : rows) {
      if (row->Matches(month, day, lunar.month, lunar.day)) {
        days.push_back(date);
        break;
      }
    }
  }
  return days;
}

}  // namespace quillet
