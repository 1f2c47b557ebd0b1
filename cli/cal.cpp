#include "cli/cal.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <span>
#include <utility>

#include "cli/text_width.h"
#include "lunar/date_text.h"
#include "lunar/lunar_names.h"
#include "lunar/moon_phases.h"
#include "lunar/seasons.h"
#include "monthview/day_key.h"
#include "monthview/day_label.h"

namespace quillet::lunar_cli {
namespace {

namespace chr = std::chrono;

// Select Graphic Rendition sequences. The window's label colours, mapped to
// the terminal's palette: its pure red, green and blue to the palette's red,
// green and blue, its violet to magenta, and its black to the terminal's own
// foreground, which is what stands out on a dark background as well as on a
// light one.
constexpr std::string_view kReset = "\x1b[0m";
constexpr std::string_view kReverse = "\x1b[7m";
constexpr std::string_view kRed = "\x1b[31m";

// Beside a day's number: a day off of a holiday, a weekend day worked.
constexpr std::string_view kRestMark = "休";
constexpr std::string_view kWorkMark = "班";

struct PaletteColor {
  Rgb window;
  std::string_view terminal;
};
constexpr std::array<PaletteColor, 5> kPalette{{
    {kFestivalRed, "\x1b[31m"},
    {kFestivalGreen, "\x1b[32m"},
    {kFestivalBlue, "\x1b[34m"},  // also the notes' colour
    {kMonthNameColor, "\x1b[35m"},
    {kDayNameColor, ""},
}};

std::string_view TerminalColor(Rgb color) {
  for (const PaletteColor& entry : kPalette) {
    if (entry.window == color) return entry.terminal;
  }
  return "";
}

// Sunday first, as in the window, or Monday first.
constexpr std::array<std::string_view, 7> kWeekdayNames{"日", "一", "二", "三",
                                                        "四", "五", "六"};

std::string Spaces(int count) {
  return std::string(static_cast<std::size_t>(std::max(count, 0)), ' ');
}

std::string Painted(std::string_view text, std::string_view sgr, bool color) {
  if (!color || sgr.empty()) return std::string{text};
  return std::string{sgr} + std::string{text} + std::string{kReset};
}

// The longest start of `text` that fits in `columns`.
std::string_view FittingStart(std::string_view text, int columns) {
  std::size_t end = 0;
  int width = 0;
  while (end < text.size()) {
    const Utf8Character character = FirstCharacter(text.substr(end));
    if (character.length == 0) break;
    const int next = width + CharacterColumns(character.codepoint);
    if (next > columns) break;
    width = next;
    end += character.length;
  }
  return text.substr(0, end);
}

std::string Centered(std::string_view text, int width) {
  const int room = width - DisplayWidth(text);
  return Spaces(room / 2) + std::string{text} + Spaces(room - room / 2);
}

// The label of a day, in the script asked for: the window's choice.
DayLabel LabelOf(const CnCalendar& calendar, chr::year_month_day date,
                 Script script) {
  return ChooseDayLabel(calendar,
                        ToDayKey(static_cast<int>(date.year()),
                                 static_cast<int>(unsigned{date.month()}),
                                 static_cast<int>(unsigned{date.day()})),
                        script);
}

std::string Title(const CnCalendar& calendar, chr::year_month month,
                  Script script) {
  // The lunar year is that of the month's first day, as in the window's
  // title line.
  const int cycleYear =
      calendar.SexagenaryYear(static_cast<int>(month.year()),
                              static_cast<int>(unsigned{month.month()}), 1);
  return std::to_string(static_cast<int>(month.year())) + "年" +
         std::to_string(unsigned{month.month()}) + "月 " +
         names::Sexagenary(cycleYear) + "年 " +
         std::string{names::ZodiacOfCycle(cycleYear, script)};
}

// Lines of `kMonthWidth` columns, the names packed as many a line as fit.
std::vector<std::string> PackedNames(const std::vector<std::string>& names) {
  std::vector<std::string> lines;
  std::string line;
  int width = 0;
  for (const std::string& name : names) {
    const int nameWidth = DisplayWidth(name);
    if (width > 0 && width + 2 + nameWidth > kMonthWidth) {
      lines.push_back(line + Spaces(kMonthWidth - width));
      line.clear();
      width = 0;
    }
    if (width > 0) {
      line += "  ";
      width += 2;
    }
    line += name;
    width += nameWidth;
  }
  if (width > 0) lines.push_back(line + Spaces(kMonthWidth - width));
  return lines;
}

// Month and day as a list under a grid writes them: "10月1日".
std::string MonthDay(chr::year_month_day date) {
  return std::to_string(unsigned{date.month()}) + "月" +
         std::to_string(unsigned{date.day()}) + "日";
}

// "10月1日至8日", "1月28日至2月4日", or "1月1日" for one day.
std::string SpanText(chr::sys_days first, chr::sys_days last) {
  const chr::year_month_day from{first};
  const chr::year_month_day to{last};
  if (first == last) return MonthDay(from);
  const bool sameMonth = from.year() == to.year() && from.month() == to.month();
  return MonthDay(from) + "至" +
         (sameMonth ? std::to_string(unsigned{to.day()}) + "日" : MonthDay(to));
}

// A word of a list under the grid, and whether a space goes before it where
// it does not start a line.
struct Word {
  std::string text;
  bool spaced = true;
};

// Words packed into lines of kMonthWidth columns: the first line indented by
// `indent` columns, the lines it runs on to by two more.
void AppendPacked(std::vector<std::string>& lines,
                  const std::vector<Word>& words, int indent) {
  std::string line = Spaces(indent);
  int width = indent;
  bool empty = true;
  for (const Word& word : words) {
    const int wordWidth = DisplayWidth(word.text);
    const int gap = empty || !word.spaced ? 0 : 1;
    if (!empty && width + gap + wordWidth > kMonthWidth) {
      lines.push_back(line + Spaces(kMonthWidth - width));
      line = Spaces(indent + 2);
      width = indent + 2;
    } else if (gap > 0) {
      line += ' ';
      ++width;
    }
    line += word.text;
    width += wordWidth;
    empty = false;
  }
  if (!empty) lines.push_back(line + Spaces(kMonthWidth - width));
}

// "10月1日至8日、10月10日": the words of a list of spans, each but the last
// followed by "、".
void AppendSpans(
    std::vector<Word>& words,
    const std::vector<std::pair<chr::sys_days, chr::sys_days>>& spans) {
  for (std::size_t i = 0; i < spans.size(); ++i) {
    words.push_back({SpanText(spans[i].first, spans[i].second) +
                         (i + 1 < spans.size() ? "、" : ""),
                     i == 0});
  }
}

// Blocks side by side, two spaces apart; shorter grids and lists padded with
// blank lines so that every line of the row has the same width.
void AppendRow(std::string& text, const std::vector<MonthBlock>& blocks) {
  std::size_t gridHeight = 0;
  std::size_t listHeight = 0;
  for (const MonthBlock& block : blocks) {
    gridHeight = std::max(gridHeight, block.grid.size());
    listHeight = std::max(listHeight, block.longNames.size());
  }
  const std::string blank = Spaces(kMonthWidth);
  const auto appendLines = [&](std::size_t height, auto part) {
    for (std::size_t i = 0; i < height; ++i) {
      for (std::size_t b = 0; b < blocks.size(); ++b) {
        const std::vector<std::string>& lines = blocks[b].*part;
        if (b > 0) text += "  ";
        text += i < lines.size() ? lines[i] : blank;
      }
      text += '\n';
    }
  };
  appendLines(gridHeight, &MonthBlock::grid);
  appendLines(listHeight, &MonthBlock::longNames);
  std::size_t seasonsHeight = 0;
  for (const MonthBlock& block : blocks) {
    seasonsHeight = std::max(seasonsHeight, block.seasons.size());
  }
  appendLines(seasonsHeight, &MonthBlock::seasons);
  std::size_t holidayHeight = 0;
  for (const MonthBlock& block : blocks) {
    holidayHeight = std::max(holidayHeight, block.holidays.size());
  }
  appendLines(holidayHeight, &MonthBlock::holidays);
}

}  // namespace

std::vector<std::string> HolidayLines(chr::year_month month,
                                      const OfficialDays& official) {
  using Spans = std::vector<std::pair<chr::sys_days, chr::sys_days>>;
  const chr::sys_days monthFirst{month / 1};
  const chr::sys_days monthLast{month / chr::last};
  const int year = static_cast<int>(month.year());
  std::vector<std::string> lines;
  if (year > official.lastYear()) {
    // No notice: the days the national rules fix, each holiday's run of
    // days as one span, and that the rest is not known.
    std::vector<std::pair<std::string, Spans>> holidays;
    for (const StatutoryDay& statutory : StatutoryDaysOf(year)) {
      if (statutory.day < monthFirst || statutory.day > monthLast) continue;
      if (!holidays.empty() && holidays.back().first == statutory.holiday &&
          holidays.back().second.back().second + chr::days{1} ==
              statutory.day) {
        holidays.back().second.back().second = statutory.day;
      } else if (!holidays.empty() &&
                 holidays.back().first == statutory.holiday) {
        holidays.back().second.push_back({statutory.day, statutory.day});
      } else {
        holidays.push_back(
            {statutory.holiday, {{statutory.day, statutory.day}}});
      }
    }
    for (const auto& [holiday, spans] : holidays) {
      std::vector<Word> words{{holiday, false}, {"法定假日"}};
      AppendSpans(words, spans);
      AppendPacked(lines, words, 0);
    }
    AppendPacked(lines, {{std::to_string(year) + "年调休安排尚未收录"}}, 0);
    return lines;
  }
  // Each holiday of a notice with a row that meets the month, with all its
  // rows: its days off and its make-up workdays, in and out of the month.
  const std::span<const OfficialSpan> rows = official.Rows();
  std::vector<const OfficialSpan*> shown;
  for (const OfficialSpan& row : rows) {
    if (row.first > monthLast || row.last < monthFirst) continue;
    const bool listed =
        std::any_of(shown.begin(), shown.end(), [&](const OfficialSpan* seen) {
          return seen->noticeYear == row.noticeYear &&
                 seen->holiday == row.holiday;
        });
    if (!listed) shown.push_back(&row);
  }
  // In the order of their days off (a make-up workday can come first).
  const auto firstDayOff = [&](const OfficialSpan* holiday) {
    for (const OfficialSpan& row : rows) {
      if (row.noticeYear == holiday->noticeYear &&
          row.holiday == holiday->holiday &&
          row.kind == OfficialDayKind::kRest) {
        return row.first;
      }
    }
    return holiday->first;
  };
  std::stable_sort(shown.begin(), shown.end(),
                   [&](const OfficialSpan* a, const OfficialSpan* b) {
                     return firstDayOff(a) < firstDayOff(b);
                   });
  for (const OfficialSpan* holiday : shown) {
    Spans rest, work;
    int restDays = 0;
    for (const OfficialSpan& row : rows) {
      if (row.noticeYear != holiday->noticeYear ||
          row.holiday != holiday->holiday) {
        continue;
      }
      if (row.kind == OfficialDayKind::kRest) {
        rest.push_back({row.first, row.last});
        restDays += static_cast<int>((row.last - row.first).count()) + 1;
      } else {
        work.push_back({row.first, row.last});
      }
    }
    std::vector<Word> words{{holiday->holiday, false}};
    if (!rest.empty()) {
      words.push_back({"休"});
      AppendSpans(words, rest);
      words.push_back({std::to_string(restDays) + "天"});
    }
    AppendPacked(lines, words, 0);
    if (!work.empty()) {
      std::vector<Word> workWords{{"班", false}};
      AppendSpans(workWords, work);
      AppendPacked(lines, workWords, 2);
    }
  }
  return lines;
}

std::vector<std::string> SeasonLines(chr::year_month month) {
  const chr::sys_days monthFirst{month / 1};
  const chr::sys_days monthLast{month / chr::last};
  const int year = static_cast<int>(month.year());
  std::vector<std::pair<chr::sys_days, std::string>> days;
  const auto add = [&](chr::sys_days day, std::string_view name) {
    if (day >= monthFirst && day <= monthLast) {
      days.push_back({day, std::string{name}});
    }
  };
  const DogDaysOfYear dog = DogDaysOf(year);
  add(dog.firstBegins, "入伏");
  add(dog.middleBegins, names::DogDaysPeriodName(1));
  add(dog.lastBegins, names::DogDaysPeriodName(2));
  add(dog.end, names::kDogDaysEnd);
  // The nines that began at the last winter solstice and at this year's.
  for (const int solsticeYear : {year - 1, year}) {
    const chr::sys_days first = NinesBegin(solsticeYear);
    for (int nine = 1; nine <= 9; ++nine) {
      add(first + chr::days{9 * (nine - 1)}, names::NineName(nine));
    }
  }
  const PlumRainOfYear plum = PlumRainOf(year);
  add(plum.begins, names::kPlumRainBegins);
  add(plum.ends, names::kPlumRainEnds);
  for (const MoonPhaseInstant& phase : MoonPhases(year)) {
    if (phase.phase != MoonPhase::kFull) continue;
    const chr::sys_seconds local = phase.instant + kChinaStandardTimeOffset;
    const chr::sys_days day = chr::floor<chr::days>(local);
    add(day,
        std::string{MoonPhaseName(MoonPhase::kFull)} + " " + MinuteText(local));
  }
  std::stable_sort(days.begin(), days.end(), [](const auto& a, const auto& b) {
    return a.first < b.first;
  });
  std::vector<std::string> entries;
  for (const auto& [day, name] : days) {
    entries.push_back(MonthDay(chr::year_month_day{day}) + " " + name);
  }
  return PackedNames(entries);
}

int DisplayWidth(std::string_view utf8) {
  int width = 0;
  while (!utf8.empty()) {
    const Utf8Character character = FirstCharacter(utf8);
    if (character.length ==
        0) {  // not UTF-8: one column, as a terminal shows �
      ++width;
      utf8.remove_prefix(1);
      continue;
    }
    width += CharacterColumns(character.codepoint);
    utf8.remove_prefix(character.length);
  }
  return width;
}

MonthBlock LayOutMonth(const CnCalendar& calendar, chr::year_month month,
                       const CalStyle& style) {
  MonthBlock block;
  block.grid.push_back(
      Centered(Title(calendar, month, style.script), kMonthWidth));
  const unsigned first = style.mondayFirst ? 1 : 0;
  std::string weekdays;
  for (unsigned i = 0; i < 7; ++i) {
    weekdays += ' ';
    weekdays += kWeekdayNames[(first + i) % 7];
    weekdays += "  ";
  }
  block.grid.push_back(weekdays);

  const chr::sys_days firstDay{month / 1};
  const chr::sys_days lastDay{month / chr::last};
  // Days from the week's first column to the month's first day, [0, 6].
  const unsigned lead = (chr::weekday{firstDay}.c_encoding() + 7 - first) % 7;
  std::vector<std::string> longNames;
  for (chr::sys_days weekStart = firstDay - chr::days{lead};
       weekStart <= lastDay; weekStart += chr::days{7}) {
    std::string numbers, labels;
    for (int column = 0; column < 7; ++column) {
      const chr::sys_days day = weekStart + chr::days{column};
      if (day < firstDay || day > lastDay) {
        numbers += Spaces(kCellWidth);
        labels += Spaces(kCellWidth);
        continue;
      }
      const chr::year_month_day date{day};
      const unsigned number = unsigned{date.day()};
      char digits[4];
      std::snprintf(digits, sizeof digits, "%2u", number % 100);
      const bool weekend = chr::weekday{day} == chr::Saturday ||
                           chr::weekday{day} == chr::Sunday;
      const std::optional<OfficialDay> arranged =
          style.official ? style.official->On(day) : std::nullopt;
      // A day off is red, a weekend worked is not.
      const bool dayOff =
          arranged ? arranged->kind == OfficialDayKind::kRest : weekend;
      const bool today = style.today && *style.today == date;
      numbers += " ";
      numbers += today ? Painted(digits, kReverse, style.color)
                       : Painted(digits, dayOff ? kRed : "", style.color);
      if (!arranged) {
        numbers += "  ";
      } else if (arranged->kind == OfficialDayKind::kRest) {
        numbers += Painted(kRestMark, kRed, style.color);
      } else {
        numbers += kWorkMark;
      }

      const DayLabel label = LabelOf(calendar, date, style.script);
      const std::string_view shown = FittingStart(label.text, kCellWidth - 1);
      if (shown.size() < label.text.size()) {  // listed under the grid
        longNames.push_back(std::to_string(unsigned{date.month()}) + "月" +
                            std::to_string(number) + "日 " + label.text);
      }
      labels += Painted(shown, TerminalColor(label.color), style.color);
      const bool cut = shown.size() < label.text.size();
      labels += cut ? std::string{kCutMark} : "";
      labels += Spaces(kCellWidth - DisplayWidth(shown) - (cut ? 1 : 0));
    }
    block.grid.push_back(numbers);
    block.grid.push_back(labels);
  }
  block.longNames = PackedNames(longNames);
  if (style.seasons) block.seasons = SeasonLines(month);
  if (style.official) block.holidays = HolidayLines(month, *style.official);
  return block;
}

std::string CalendarText(const CnCalendar& calendar, const CalRequest& request,
                         const CalStyle& style) {
  const chr::year year{request.year};
  std::vector<chr::year_month> months;
  if (request.month == 0) {
    for (unsigned m = 1; m <= 12; ++m) months.push_back(year / chr::month{m});
  } else {
    const chr::year_month shown = year / chr::month{unsigned(request.month)};
    if (request.withNeighbours) months.push_back(shown - chr::months{1});
    months.push_back(shown);
    if (request.withNeighbours) months.push_back(shown + chr::months{1});
  }
  const auto shown = [](chr::year_month month) {
    return month >= kFirstCalMonth && month <= kLastCalMonth;
  };
  // A year keeps each month in its place, and a month it cannot show as a
  // blank; a month's neighbours outside the range are left out.
  if (request.month != 0) std::erase_if(months, std::not_fn(shown));
  std::string text;
  for (std::size_t at = 0; at < months.size(); at += 3) {
    if (at > 0) text += '\n';
    std::vector<MonthBlock> row;
    for (std::size_t i = at; i < std::min(at + 3, months.size()); ++i) {
      row.push_back(shown(months[i]) ? LayOutMonth(calendar, months[i], style)
                                     : MonthBlock{});
    }
    AppendRow(text, row);
  }
  return text;
}

}  // namespace quillet::lunar_cli
