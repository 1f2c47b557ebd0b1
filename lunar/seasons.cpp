#include "lunar/seasons.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "lunar/lunar_names.h"
#include "lunar/served_day.h"

namespace quillet {
namespace {

namespace chr = std::chrono;
using lunar_detail::SolarTermDay;

// Solar terms in SolarTerms' order.
constexpr int kGrainInEar = 10;      // 芒种
constexpr int kSummerSolstice = 11;  // 夏至
constexpr int kSlightHeat = 12;      // 小暑
constexpr int kAutumnBegins = 14;    // 立秋
constexpr int kWinterSolstice = 23;  // 冬至
constexpr int kTermsPerYear = 24;
constexpr int kPentadsPerTerm = 3;
constexpr int kDaysPerPentad = 5;

// Stems and branches, 0 甲 .. 9 癸 and 0 子 .. 11 亥.
constexpr int kStemBing = 2;   // 丙
constexpr int kStemGeng = 6;   // 庚
constexpr int kStemRen = 8;    // 壬
constexpr int kBranchWei = 7;  // 未

// The winter solstice of 1900 fell on 1900-12-22 (UTC+8), before the tables'
// first year; its nines reach the first served days (to 1901-03-12). The
// test of the tables recomputes it from the astronomical core.
constexpr chr::sys_days kWinterSolstice1900{chr::year{1900} / 12 / 22};

constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2100;

void CheckYear(const char* operation, int year, int low) {
  if (year < low || year > kLastYear) {
    throw std::out_of_range(std::string{operation} + ": year " +
                            std::to_string(year) + " is outside " +
                            std::to_string(low) + ".." +
                            std::to_string(kLastYear));
  }
}

using lunar_detail::FloorMod;

// The days from `from` to `to`, negative when `to` comes first.
constexpr int DaysFrom(chr::sys_days from, chr::sys_days to) {
  return static_cast<int>((to - from).count());
}

// The stem 0..9 and branch 0..11 of a day.
int StemOf(chr::sys_days day) { return (lunar_detail::CycleDay(day) - 1) % 10; }
int BranchOf(chr::sys_days day) {
  return (lunar_detail::CycleDay(day) - 1) % 12;
}

// The first day from `from` (itself included) whose stem is `stem`.
chr::sys_days FirstStemFrom(chr::sys_days from, int stem) {
  return from + chr::days{FloorMod(stem - StemOf(from), 10)};
}
chr::sys_days FirstBranchFrom(chr::sys_days from, int branch) {
  return from + chr::days{FloorMod(branch - BranchOf(from), 12)};
}

DogDaysOfYear DogDays(int year) {
  constexpr chr::days kPeriod{10};
  const chr::sys_days firstGeng =
      FirstStemFrom(SolarTermDay(year, kSummerSolstice), kStemGeng);
  const chr::sys_days lastBegins =
      FirstStemFrom(SolarTermDay(year, kAutumnBegins), kStemGeng);
  return {firstGeng + 2 * kPeriod, firstGeng + 3 * kPeriod, lastBegins,
          lastBegins + kPeriod};
}

chr::sys_days WinterSolstice(int year) {
  return year < kFirstYear ? kWinterSolstice1900
                           : SolarTermDay(year, kWinterSolstice);
}

chr::sys_days Nines(int year, NinesStart start) {
  const chr::sys_days solstice = WinterSolstice(year);
  return start == NinesStart::kWinterSolstice
             ? solstice
             : FirstStemFrom(solstice, kStemRen);
}

PlumRainOfYear PlumRain(int year) {
  return {FirstStemFrom(SolarTermDay(year, kGrainInEar), kStemBing),
          FirstBranchFrom(SolarTermDay(year, kSlightHeat), kBranchWei)};
}

std::optional<DogDay> DogDayOf(const DogDaysOfYear& dog, chr::sys_days day) {
  if (day < dog.firstBegins || day >= dog.end) return std::nullopt;
  if (day < dog.middleBegins) {
    return DogDay{DogDaysPeriod::kFirst, DaysFrom(dog.firstBegins, day) + 1};
  }
  if (day < dog.lastBegins) {
    return DogDay{DogDaysPeriod::kMiddle, DaysFrom(dog.middleBegins, day) + 1};
  }
  return DogDay{DogDaysPeriod::kLast, DaysFrom(dog.lastBegins, day) + 1};
}

std::optional<NineDay> NineDayOf(chr::sys_days begins, chr::sys_days day) {
  constexpr int kNines = 9;
  const int offset = DaysFrom(begins, day);  // [0, 81) inside
  if (offset < 0 || offset >= kNines * kNines) return std::nullopt;
  return NineDay{offset / kNines + 1, offset % kNines + 1};
}

std::optional<PlumRainDay> PlumRainDayOf(const PlumRainOfYear& rain,
                                         chr::sys_days day) {
  if (day < rain.begins || day > rain.ends) return std::nullopt;
  if (day == rain.begins) return PlumRainDay::kBegins;
  if (day == rain.ends) return PlumRainDay::kEnds;
  return PlumRainDay::kWithin;
}

// The last solar term on or before a served day: each Gregorian month holds
// two, its 节 (2 × (month − 1)) and its 中气; before the month's 节 the day
// lies in the previous month's 中气 (冬至, in January).
PentadDay PentadOf(int year, int month, chr::sys_days day) {
  int termYear = year;
  int term = 2 * (month - 1) + 1;
  chr::sys_days termDay = SolarTermDay(termYear, term);
  if (day < termDay) {
    --term;
    termDay = SolarTermDay(termYear, term);
    if (day < termDay) {
      if (--term < 0) {
        term = kTermsPerYear - 1;
        --termYear;
      }
      termDay = SolarTermDay(termYear, term);
    }
  }
  const int sinceTerm = DaysFrom(termDay, day);  // [0, 15]
  const int third = std::min(sinceTerm / kDaysPerPentad, kPentadsPerTerm - 1);
  return {term * kPentadsPerTerm + third,
          sinceTerm - third * kDaysPerPentad + 1};
}

}  // namespace

DogDaysOfYear DogDaysOf(int year) {
  CheckYear("DogDaysOf", year, kFirstYear);
  return DogDays(year);
}

std::chrono::sys_days NinesBegin(int year, NinesStart start) {
  CheckYear("NinesBegin", year, kFirstYear - 1);
  return Nines(year, start);
}

PlumRainOfYear PlumRainOf(int year) {
  CheckYear("PlumRainOf", year, kFirstYear);
  return PlumRain(year);
}

std::string DogDayText(const DogDay& day) {
  return std::string{names::DogDaysPeriodName(static_cast<int>(day.period))} +
         "第" + std::to_string(day.day) + "天";
}

std::string NineDayText(const NineDay& day) {
  return std::string{names::NineName(day.nine)} + "第" +
         std::to_string(day.day) + "天";
}

SeasonsDay SeasonsOn(int year, int month, int day, NinesStart nines) {
  const chr::sys_days served =
      lunar_detail::ServedDay("SeasonsOn", year, month, day);
  SeasonsDay result{};
  // The dog days and the plum rains lie in June .. September, the nines in
  // December .. March.
  if (month >= 6 && month <= 9) {
    const DogDaysOfYear dog = DogDays(year);
    result.dogDay = DogDayOf(dog, served);
    result.dogDaysEnd = served == dog.end;
    result.plumRain = PlumRainDayOf(PlumRain(year), served);
  } else if (month <= 3 || month == 12) {
    const int solsticeYear = month == 12 ? year : year - 1;
    result.nine = NineDayOf(Nines(solsticeYear, nines), served);
  }
  result.pentad = PentadOf(year, month, served);
  return result;
}

}  // namespace quillet
