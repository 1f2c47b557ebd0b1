#include "lunar/almanac.h"

#include <array>
#include <stdexcept>
#include <string>

#include "lunar/served_day.h"

namespace quillet {
namespace {

namespace chr = std::chrono;

constexpr int kMansionCount = 28;
constexpr int kMansionOfReferenceDay = 10;  // 虚
constexpr chr::sys_days kMansionReference{kMansionReferenceDay};

// The 煞 of a branch by its 三合 group, which is the branch mod 4: 申子辰 (0)
// 南, 巳酉丑 (1) 东, 寅午戌 (2) 北, 亥卯未 (3) 西.
constexpr std::array<names::Direction, 4> kShaOfGroup = {
    names::Direction::kSouth, names::Direction::kEast, names::Direction::kNorth,
    names::Direction::kWest};

using lunar_detail::FloorMod;

// The stem 0..9 and branch 0..11 of cycle place 1..60.
constexpr int StemOf(int cycle) { return (cycle - 1) % 10; }
constexpr int BranchOf(int cycle) { return (cycle - 1) % 12; }

// 五鼠遁: the stem of the 子 hour of a day is 甲 for 甲 and 己 days, 丙 for 乙
// and 庚, 戊 for 丙 and 辛, 庚 for 丁 and 壬, 壬 for 戊 and 癸: twice the
// day's stem, mod 10. An hour's place in the cycle follows from its stem and
// branch: stem s and branch b meet at place (6s − 5b) mod 60 + 1, the one
// place whose remainders by 10 and 12 are s and b.
int HourCycle(int dayCycle, int branch) {
  const int stem = (2 * StemOf(dayCycle) + branch) % 10;
  return FloorMod(6 * stem - 5 * branch, 60) + 1;
}

}  // namespace

AlmanacDay AlmanacOn(int year, int month, int day, YearStart start) {
  const chr::sys_days served =
      lunar_detail::ServedDay("AlmanacOn", year, month, day);
  AlmanacDay result{};
  result.day = lunar_detail::CycleDay(served);
  result.month = lunar_detail::CycleMonth(year, month, day);
  result.year = lunar_detail::CycleYear(served, year, month, day, start);
  const int branch = BranchOf(result.day);
  result.officer = FloorMod(branch - BranchOf(result.month), 12);
  result.mansion =
      FloorMod(static_cast<int>((served - kMansionReference).count()) +
                   kMansionOfReferenceDay,
               kMansionCount);
  result.clash = (branch + 6) % 12;
  result.sha = kShaOfGroup[static_cast<std::size_t>(branch % 4)];
  return result;
}

std::string ClashText(const AlmanacDay& day, Script script) {
  const bool traditional = script == Script::kTraditional;
  return std::string{traditional ? "沖" : "冲"}
      .append(names::Zodiac(day.clash, script))
      .append("煞")
      .append(names::DirectionName(day.sha, script));
}

std::string PengzuText(const AlmanacDay& day, Script script) {
  return std::string{names::PengzuStem(StemOf(day.day), script)}
      .append(" ")
      .append(names::PengzuBranch(BranchOf(day.day), script));
}

HourPillar HourPillarAt(int year, int month, int day, int hour,
                        DayBoundary boundary) {
  const chr::sys_days served =
      lunar_detail::ServedDay("HourPillarAt", year, month, day);
  if (hour < 0 || hour > 23) {
    throw std::out_of_range("HourPillarAt: hour " + std::to_string(hour) +
                            " is outside 0..23");
  }
  const int branch = (hour + 1) / 2 % 12;
  const bool ratBeforeMidnight = hour == 23;
  const int today = lunar_detail::CycleDay(served);
  // The 子 hour from 23:00 is the one that begins the next day.
  const int tomorrow = today % 60 + 1;
  const int hourCycle = HourCycle(ratBeforeMidnight ? tomorrow : today, branch);
  const bool lateRat = ratBeforeMidnight && boundary == DayBoundary::kMidnight;
  const bool nextDay = ratBeforeMidnight && !lateRat;
  return {branch, hourCycle, nextDay ? tomorrow : today, lateRat};
}

}  // namespace quillet
