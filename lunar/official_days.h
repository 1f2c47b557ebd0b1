// 休 and 班: the days off of China's public holidays and the weekend days
// worked instead (调休上班), as the General Office of the State Council
// arranges them each year in its notice (国务院办公厅关于某年部分节假日安排的
// 通知), and the statutory days off that the national rules on holidays
// (全国年节及纪念日放假办法) fix in every year.
//
// The notices' rows are data in official_days.cpp, each year's under the
// notice it comes from. A year whose notice is not in the data is not
// guessed: only its statutory days are known, and whether any other day is a
// working day is "not known".
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quillet {

// 休: a day off of a holiday; 班: a weekend day worked instead.
enum class OfficialDayKind { kRest, kWork };
// From the year's notice, or from the national rules alone.
enum class OfficialDaySource { kNotice, kRules };

struct OfficialDay {
  OfficialDayKind kind;
  // The holiday it belongs to, as the notice names it: "春节", "国庆节",
  // "中秋节、国庆节" …
  std::string holiday;
  // A day off that the national rules in force that year fix (paid at three
  // times the wage when worked), not one made free by moving a weekend.
  bool statutory;
  OfficialDaySource source;
  friend bool operator==(const OfficialDay&, const OfficialDay&) = default;
};

// The notices' years that the built-in table holds (each year's notice is
// published late in the year before).
inline constexpr int kFirstNoticeYear = 2006;
inline constexpr int kLastNoticeYear = 2026;
// The date of the latest notice transcribed, for --version and the README.
inline constexpr std::string_view kLastNoticeDate = "2025-11-04";

// The official arrangement of a day: a day off or a make-up workday of a
// year's notice, or, in a year after kLastNoticeYear, a statutory day off by
// the national rules; std::nullopt on an ordinary day (and on any day before
// kFirstNoticeYear's arrangement). Days 1901-02-19 .. 2100-12-31; others
// throw std::out_of_range naming the argument.
std::optional<OfficialDay> OfficialDayOn(int year, int month, int day);
// Whether the day is a working day: true on a weekday that is no day off and
// on a make-up workday, false on a weekend or a day off; std::nullopt in a
// year before kFirstNoticeYear or after kLastNoticeYear, except the
// statutory days off of a later year (false), and the days of an earlier
// year that its next notice arranged (2005-12-31, worked for 元旦 2006).
std::optional<bool> IsWorkday(int year, int month, int day);

// One row of a notice: a holiday's span of days off (the weekend days inside
// it included), or one make-up workday (first == last).
struct OfficialSpan {
  int noticeYear;
  std::string holiday;
  OfficialDayKind kind;
  std::chrono::sys_days first;
  std::chrono::sys_days last;  // inclusive
  friend bool operator==(const OfficialSpan&, const OfficialSpan&) = default;
};

// A statutory day off by the national rules, and the holiday it belongs to
// ("中秋节、国庆节" where two fall on one day).
struct StatutoryDay {
  std::chrono::sys_days day;
  std::string holiday;
  friend bool operator==(const StatutoryDay&, const StatutoryDay&) = default;
};

// The statutory days off of a Gregorian year 2006 .. 2100 by the rules in
// force that year, in order: before 2008 元旦, 春节 (初一 to 初三), 劳动节 (1
// to 3 May), 国庆节 (1 to 3 October); from 2008 元旦, 春节 (除夕 to 初二),
// 清明节 (the day of 清明), 劳动节 (1 May), 端午节 (五月初五), 中秋节
// (八月十五), 国庆节 (1 to 3 October); from 2014 春节 初一 to 初三; from 2025
// 春节 除夕 to 初三 and 劳动节 1 and 2 May. Other years throw
// std::out_of_range.
std::vector<StatutoryDay> StatutoryDaysOf(int year);

// Why a file of further notice years was refused: the line (1-based; 0 where
// the fault is the file's as a whole) and what is wrong with it.
struct OfficialDaysFault {
  int line;
  std::string message;
};

// The arrangements known to a program: the built-in table, and perhaps the
// rows of later years read from a file of the same format (a line per row,
// fields separated by tabs: notice year, holiday, rest or work, first day,
// last day; blank lines and lines starting with # are skipped):
//
//   # 国务院办公厅关于2027年部分节假日安排的通知
//   2027	元旦	rest	2027-01-01	2027-01-03
//   2027	春节	work	2027-02-07	2027-02-07
//
// Every answer is a lookup in a table of the days, built once.
class OfficialDays {
 public:
  // The built-in table alone.
  static const OfficialDays& BuiltIn();
  // The built-in table and the rows of `text`, which may only add whole
  // years after kLastNoticeYear, in order and without a gap. A file that is
  // malformed, overlaps the built-in years or breaks what every notice
  // keeps (a make-up day is a Saturday or Sunday; no two rows share a day;
  // every statutory day of a year lies in a span of that year's holiday) is
  // refused whole.
  static std::variant<OfficialDays, OfficialDaysFault> WithFurtherYears(
      std::string_view text);

  // As OfficialDayOn and IsWorkday, over this table; the day must be served
  // (1901-02-19 .. 2100-12-31), else std::out_of_range.
  std::optional<OfficialDay> On(std::chrono::sys_days day) const;
  std::optional<bool> IsWorkday(std::chrono::sys_days day) const;
  // The notice's row that holds the day, or nullptr (an ordinary day, or a
  // statutory day of a year no notice here covers).
  const OfficialSpan* RowOn(std::chrono::sys_days day) const;

  int firstYear() const { return kFirstNoticeYear; }
  int lastYear() const { return lastYear_; }
  // Every row, the built-in ones first, each year's in order of their days.
  std::span<const OfficialSpan> Rows() const { return rows_; }

 private:
  struct Entry;
  // The free functions check the day once themselves.
  friend std::optional<OfficialDay> OfficialDayOn(int, int, int);
  friend std::optional<bool> IsWorkday(int, int, int);

  OfficialDays() = default;
  std::optional<OfficialDay> Answer(std::chrono::sys_days day) const;
  std::optional<bool> WorkdayAnswer(std::chrono::sys_days day) const;
  void Index();
  const Entry* EntryOn(std::chrono::sys_days day) const;

  std::vector<OfficialSpan> rows_;
  int lastYear_ = kLastNoticeYear;
  // The distinct answers, and for every day from the first row's first day
  // to the last served day the index of its answer plus one (0: none).
  struct Entry {
    OfficialDay day;
    int row;  // index into rows_, or -1
  };
  std::vector<Entry> entries_;
  std::chrono::sys_days indexStart_{};
  // The days whose every answer is known: 1 January of kFirstNoticeYear to
  // the end of the last notice's year.
  std::chrono::sys_days coveredFirst_{};
  std::chrono::sys_days coveredLast_{};
  std::vector<std::uint16_t> entryOfDay_;
};

}  // namespace quillet
