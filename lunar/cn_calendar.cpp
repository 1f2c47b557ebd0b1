#include "lunar/cn_calendar.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <stdexcept>
#include <string_view>

#include "lunar/lunar_tables.h"

namespace quillet {
namespace {

namespace chr = std::chrono;
using lunar_tables::kLunarYearCount;
using lunar_tables::kLunarYears;
using lunar_tables::kSolarTermNames;
using lunar_tables::kSolarTerms;

constexpr std::array<std::string_view, 10> kHeavenlyStems = {
    "甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
constexpr std::array<std::string_view, 12> kEarthlyBranches = {
    "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
// In the order of the branches; 4 CE (and so 1984, 2044) was a year of 鼠.
constexpr std::array<std::string_view, 12> kZodiacAnimals = {
    "鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};
constexpr int kRatYear = 4;
constexpr std::string_view kNewYearsEve = "除夕";
// The first days of the first month are the Spring Festival's own; a solar
// term falling on them gets no note.
constexpr int kSpringFestivalDays = 3;

constexpr chr::sys_days kFirstServedDay{chr::year{kFirstGregorianYear} /
                                        chr::January / 1};
constexpr chr::sys_days kLastServedDay{chr::year{kLastGregorianYear} /
                                       chr::December / 31};
constexpr std::size_t kServedDays =
    static_cast<std::size_t>((kLastServedDay - kFirstServedDay).count()) + 1;
constexpr std::size_t kMaxMonths = kLunarYearCount * 13;

[[noreturn]] void ThrowOutOfRange(const char* operation, const char* argument,
                                  int value, int low, int high) {
  throw std::out_of_range(std::string{operation} + ": " + argument + " " +
                          std::to_string(value) + " is outside " +
                          std::to_string(low) + ".." + std::to_string(high));
}

void CheckRange(const char* operation, const char* argument, int value, int low,
                int high) {
  if (value < low || value > high) {
    ThrowOutOfRange(operation, argument, value, low, high);
  }
}

// The tables unrolled for direct lookups, built once on first use: every
// lunar month of 1901 .. 2047 in order, and every served Gregorian day.
class CalendarIndex {
 public:
  struct Month {
    std::int16_t year;
    std::int8_t number;  // 1 .. 12
    bool isLeap;
  };
  struct Day {
    std::uint16_t month;  // index into months
    std::uint8_t day;     // 1 .. 30
  };

  CalendarIndex() {
    std::size_t count = 0;
    chr::sys_days start{};
    for (std::size_t y = 0; y < kLunarYearCount; ++y) {
      const lunar_tables::LunarYearRow& row = kLunarYears[y];
      firstMonthOfYear_[y] = static_cast<std::uint16_t>(count);
      start = chr::year{row.newYear.year} /
              chr::month{static_cast<unsigned>(row.newYear.month)} /
              chr::day{static_cast<unsigned>(row.newYear.day)};
      int number = 0;
      for (std::size_t i = 0; i < row.monthLengths.size(); ++i) {
        const bool isLeap =
            row.leapAfter != 0 && i == static_cast<std::size_t>(row.leapAfter);
        if (!isLeap) ++number;
        months_[count] = {static_cast<std::int16_t>(row.year),
                          static_cast<std::int8_t>(number), isLeap};
        monthStart_[count] = start;
        start += chr::days{row.monthLengths[i] == 'L' ? 30 : 29};
        ++count;
      }
    }
    firstMonthOfYear_[kLunarYearCount] = static_cast<std::uint16_t>(count);
    monthStart_[count] = start;  // the new year after the last
    for (std::size_t m = 0; m < count; ++m) {
      for (chr::sys_days d = monthStart_[m]; d < monthStart_[m + 1]; ++d) {
        if (d < kFirstServedDay || d > kLastServedDay) continue;
        days_[static_cast<std::size_t>((d - kFirstServedDay).count())] = {
            static_cast<std::uint16_t>(m),
            static_cast<std::uint8_t>((d - monthStart_[m]).count() + 1)};
      }
    }
  }

  const Month& MonthAt(std::size_t m) const { return months_[m]; }
  const Day& DayAt(chr::sys_days d) const {
    return days_[static_cast<std::size_t>((d - kFirstServedDay).count())];
  }
  chr::sys_days MonthStart(std::size_t m) const { return monthStart_[m]; }
  int MonthLength(std::size_t m) const {
    return (monthStart_[m + 1] - monthStart_[m]).count();
  }
  // The day before the next lunar year's new year.
  chr::sys_days LastDayOfYear(int lunarYear) const {
    const auto next = static_cast<std::size_t>(lunarYear - kFirstLunarYear + 1);
    return monthStart_[firstMonthOfYear_[next]] - chr::days{1};
  }

  // Validates a lunar month and finds its index.
  std::size_t FindMonth(const char* operation, int year, int month,
                        bool isLeapMonth) const {
    CheckRange(operation, "year", year, kFirstLunarYear, kLastLunarYear);
    CheckRange(operation, "month", month, 1, 12);
    const auto y = static_cast<std::size_t>(year - kFirstLunarYear);
    const int leapAfter = kLunarYears[y].leapAfter;
    if (isLeapMonth && leapAfter != month) {
      throw std::invalid_argument(
          std::string{operation} + ": isLeapMonth: lunar year " +
          std::to_string(year) + " has no leap month " + std::to_string(month));
    }
    const bool afterLeap = leapAfter != 0 && (month > leapAfter || isLeapMonth);
    return firstMonthOfYear_[y] + static_cast<std::size_t>(month - 1) +
           (afterLeap ? 1 : 0);
  }

 private:
  std::array<Month, kMaxMonths> months_{};
  std::array<chr::sys_days, kMaxMonths + 1> monthStart_{};
  std::array<std::uint16_t, kLunarYearCount + 1> firstMonthOfYear_{};
  std::array<Day, kServedDays> days_{};
};

const CalendarIndex& Index() {
  static const CalendarIndex index;
  return index;
}

// The solar term on a day, if any.
std::string_view SolarTermOn(chr::sys_days day) {
  const chr::year_month_day date{day};
  const auto& row = kSolarTerms[static_cast<std::size_t>(
      static_cast<int>(date.year()) - lunar_tables::kFirstTableYear)];
  const auto first =
      2 * (static_cast<std::size_t>(static_cast<unsigned>(date.month())) - 1);
  const auto dayOfMonth = static_cast<int>(static_cast<unsigned>(date.day()));
  for (std::size_t k = first; k < first + 2; ++k) {
    if (row.day[k] == dayOfMonth) return kSolarTermNames[k];
  }
  return {};
}

}  // namespace

LunarDate CnCalendar::GregorianToLunar(int year, int month, int day) const {
  constexpr const char* kOperation = "GregorianToLunar";
  CheckRange(kOperation, "year", year, kFirstGregorianYear, kLastGregorianYear);
  CheckRange(kOperation, "month", month, 1, 12);
  CheckRange(kOperation, "day", day, 1, 31);
  const chr::year_month_day date{chr::year{year},
                                 chr::month{static_cast<unsigned>(month)},
                                 chr::day{static_cast<unsigned>(day)}};
  if (!date.ok()) {
    const auto last = chr::year_month_day_last{
        date.year(), chr::month_day_last{date.month()}};
    ThrowOutOfRange(kOperation, "day", day, 1,
                    static_cast<int>(static_cast<unsigned>(last.day())));
  }
  const CalendarIndex& index = Index();
  const CalendarIndex::Day& entry = index.DayAt(chr::sys_days{date});
  const CalendarIndex::Month& lunarMonth = index.MonthAt(entry.month);
  return {lunarMonth.year, lunarMonth.number, entry.day, lunarMonth.isLeap};
}

int CnCalendar::LunarMonthDays(int year, int month, bool isLeapMonth) const {
  const CalendarIndex& index = Index();
  return index.MonthLength(
      index.FindMonth("LunarMonthDays", year, month, isLeapMonth));
}

std::string CnCalendar::LunarDateNote(int year, int month, int day,
                                      bool isLeapMonth) const {
  constexpr const char* kOperation = "LunarDateNote";
  const CalendarIndex& index = Index();
  const std::size_t m = index.FindMonth(kOperation, year, month, isLeapMonth);
  CheckRange(kOperation, "day", day, 1, index.MonthLength(m));
  const chr::sys_days date = index.MonthStart(m) + chr::days{day - 1};
  if (date == index.LastDayOfYear(year)) return std::string{kNewYearsEve};
  if (month == 1 && !isLeapMonth && day <= kSpringFestivalDays) return {};
  return std::string{SolarTermOn(date)};
}

// Zodiac animals and stem-branch names follow the lunar year, which begins
// on the lunar new year (not at 立春, as some almanacs count).
std::string CnCalendar::ZodiacAnimal(int year) const {
  CheckRange("ZodiacAnimal", "year", year, kFirstLunarYear, kLastLunarYear);
  return std::string{
      kZodiacAnimals[static_cast<std::size_t>((year - kRatYear) % 12)]};
}

std::string CnCalendar::SexagenaryName(int index) const {
  CheckRange("SexagenaryName", "index", index, 1, 60);
  const auto position = static_cast<std::size_t>(index - 1);
  return std::string{kHeavenlyStems[position % 10]} +
         std::string{kEarthlyBranches[position % 12]};
}

}  // namespace quillet
