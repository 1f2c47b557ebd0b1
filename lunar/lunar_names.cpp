#include "lunar/lunar_names.h"

#include <array>
#include <stdexcept>
#include <string>

namespace quillet::names {
namespace {

constexpr std::array<std::string_view, 10> kStems = {
    "甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
constexpr std::array<std::string_view, 12> kBranches = {
    "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};

// In the order of the branches.
constexpr std::array<std::string_view, 12> kZodiac = {
    "鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};
constexpr std::array<std::string_view, 12> kZodiacTraditional = {
    "鼠", "牛", "虎", "兔", "龍", "蛇", "馬", "羊", "猴", "雞", "狗", "豬"};

constexpr std::array<std::string_view, 24> kSolarTerms = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨",
    "立夏", "小满", "芒种", "夏至", "小暑", "大暑", "立秋", "处暑",
    "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};
constexpr std::array<std::string_view, 24> kSolarTermsTraditional = {
    "小寒", "大寒", "立春", "雨水", "驚蟄", "春分", "清明", "穀雨",
    "立夏", "小滿", "芒種", "夏至", "小暑", "大暑", "立秋", "處暑",
    "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

// The grid counts the months plainly; a full date names the first, the
// eleventh and the twelfth by their own words.
constexpr std::array<std::string_view, 12> kGridMonths = {
    "一月", "二月", "三月", "四月", "五月",   "六月",
    "七月", "八月", "九月", "十月", "十一月", "十二月"};
constexpr std::array<std::string_view, 12> kFullMonths = {
    "正月", "二月", "三月", "四月", "五月", "六月",
    "七月", "八月", "九月", "十月", "冬月", "腊月"};
constexpr std::array<std::string_view, 12> kFullMonthsTraditional = {
    "正月", "二月", "三月", "四月", "五月", "六月",
    "七月", "八月", "九月", "十月", "冬月", "臘月"};
constexpr std::string_view kLeap = "闰";
constexpr std::string_view kLeapTraditional = "閏";

constexpr std::array<std::string_view, 30> kDays = {
    "初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八",
    "初九", "初十", "十一", "十二", "十三", "十四", "十五", "十六",
    "十七", "十八", "十九", "二十", "廿一", "廿二", "廿三", "廿四",
    "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};

// The element of `table` that a 1-based (or 0-based) argument names; any
// other argument throws, naming the operation.
template <std::size_t N>
std::string_view At(const std::array<std::string_view, N>& table, int value,
                    int first, const char* operation) {
  const int last = first + static_cast<int>(N) - 1;
  if (value < first || value > last) {
    throw std::out_of_range(
        std::string{"names::"} + operation + ": " + std::to_string(value) +
        " is outside " + std::to_string(first) + ".." + std::to_string(last));
  }
  return table[static_cast<std::size_t>(value - first)];
}

bool Traditional(Script script) { return script == Script::kTraditional; }

}  // namespace

std::string_view Stem(int stem) { return At(kStems, stem, 0, "Stem"); }

std::string_view Branch(int branch) {
  return At(kBranches, branch, 0, "Branch");
}

std::string Sexagenary(int index) {
  if (index < 1 || index > 60) {
    throw std::out_of_range("names::Sexagenary: " + std::to_string(index) +
                            " is outside 1..60");
  }
  // The stems and the branches advance together, so position p (0-based)
  // pairs stem p mod 10 with branch p mod 12.
  const auto position = static_cast<std::size_t>(index - 1);
  return std::string{kStems[position % 10]}.append(kBranches[position % 12]);
}

std::string_view Zodiac(int branch, Script script) {
  return At(Traditional(script) ? kZodiacTraditional : kZodiac, branch, 0,
            "Zodiac");
}

std::string_view ZodiacOfCycle(int index, Script script) {
  if (index < 1 || index > 60) {
    throw std::out_of_range("names::ZodiacOfCycle: " + std::to_string(index) +
                            " is outside 1..60");
  }
  return Zodiac((index - 1) % 12, script);
}

std::string_view SolarTermName(int term, Script script) {
  return At(Traditional(script) ? kSolarTermsTraditional : kSolarTerms, term, 0,
            "SolarTermName");
}

std::string LunarMonth(int month, bool isLeap, MonthStyle style,
                       Script script) {
  const auto& table = style == MonthStyle::kGrid ? kGridMonths
                      : Traditional(script)      ? kFullMonthsTraditional
                                                 : kFullMonths;
  const std::string_view name = At(table, month, 1, "LunarMonth");
  std::string text{isLeap ? (Traditional(script) ? kLeapTraditional : kLeap)
                          : std::string_view{}};
  return text.append(name);
}

std::string_view LunarDay(int day) { return At(kDays, day, 1, "LunarDay"); }

std::string LunarMonthDay(const LunarDate& date, Script script) {
  return LunarMonth(date.month, date.isLeapMonth, MonthStyle::kFull, script)
      .append(LunarDay(date.day));
}

}  // namespace quillet::names
