// The Plasma clock's plug-in loaded as Plasma loads it, by QPluginLoader from
// its file, and asked as the clock asks: 42 days at a time.
#include <gtest/gtest.h>

#include <CalendarEvents/CalendarEventsPlugin>
#include <KPluginMetaData>
#include <QJsonObject>
#include <QLocale>
#include <QPluginLoader>
#include <chrono>
#include <cstdlib>
#include <set>
#include <string>

#include "cli/day_text.h"
#include "lunar/cn_calendar.h"
#include "lunar/lunar_names.h"
#include "lunar/official_days.h"
#include "monthview/day_label.h"
#include "monthview/festivals.h"

namespace quillet {
namespace {

namespace chr = std::chrono;
using CalendarEvents::CalendarEventsPlugin;
using CalendarEvents::EventData;
using SubLabel = CalendarEventsPlugin::SubLabel;

constexpr const char* kPluginPath = QUILLET_PLASMA_PLUGIN;

// What one request brought: every signal's content, and how many came.
struct Answer {
  QHash<QDate, SubLabel> labels;
  QMultiHash<QDate, EventData> events;
  int labelSignals = 0;
  int eventSignals = 0;
};

// The plug-in, loaded once for the whole run. The user's file of later
// notices is looked for in an empty place, so that the built-in table
// answers.
class LoadedPlugin {
 public:
  static LoadedPlugin& Get() {
    static LoadedPlugin plugin;
    return plugin;
  }
  CalendarEventsPlugin* plugin = nullptr;
  Answer* receiving = nullptr;

  Answer Ask(QDate start, QDate end) {
    Answer answer;
    receiving = &answer;
    plugin->loadEventsForDateRange(start, end);
    receiving = nullptr;
    return answer;
  }

 private:
  LoadedPlugin() : loader_(QString::fromUtf8(kPluginPath)) {
    setenv("XDG_DATA_HOME", "/nonexistent/quillet-test", 1);
    setenv("XDG_DATA_DIRS", "/nonexistent/quillet-test", 1);
    plugin = qobject_cast<CalendarEventsPlugin*>(loader_.instance());
    if (plugin == nullptr) return;
    QObject::connect(plugin, &CalendarEventsPlugin::subLabelReady,
                     [this](const QHash<QDate, SubLabel>& labels) {
                       if (receiving == nullptr) return;
                       receiving->labels.insert(labels);
                       ++receiving->labelSignals;
                     });
    QObject::connect(plugin, &CalendarEventsPlugin::dataReady,
                     [this](const QMultiHash<QDate, EventData>& events) {
                       if (receiving == nullptr) return;
                       receiving->events.unite(events);
                       ++receiving->eventSignals;
                     });
  }
  QPluginLoader loader_;
};

// Sets the application's locale for one test.
class LocaleScope {
 public:
  explicit LocaleScope(const char* name) { QLocale::setDefault(QLocale(name)); }
  ~LocaleScope() { QLocale::setDefault(QLocale::c()); }
};

QDate Date(int year, int month, int day) { return QDate(year, month, day); }
chr::year_month_day Ymd(const QDate& date) {
  return chr::year_month_day{chr::year{date.year()},
                             chr::month{static_cast<unsigned>(date.month())},
                             chr::day{static_cast<unsigned>(date.day())}};
}
std::string Text(const QString& text) { return text.toStdString(); }

const QDate kFirst = Date(1901, 2, 19);
const QDate kLast = Date(2100, 12, 31);

class PlasmaCalendarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(LoadedPlugin::Get().plugin, nullptr)
        << "QPluginLoader could not load " << kPluginPath;
  }
  static Answer Ask(QDate start, QDate end) {
    return LoadedPlugin::Get().Ask(start, end);
  }
};

// --- Every day's label, held against the window's own functions ----------

// The label under the day's number by the window's choice, a month's first
// day named as a full date names it, without its size.
std::string ExpectedDayLabel(const CnCalendar& calendar, const QDate& date,
                             Script script) {
  const DayLabel label = ChooseDayLabel(
      calendar, date.year() * 10000 + date.month() * 100 + date.day(), script);
  if (label.kind != DayLabelKind::kMonthName) return label.text;
  return names::LunarMonth(label.lunar.month, label.lunar.isLeapMonth,
                           names::MonthStyle::kFull, script);
}

// quillet-lunar's line without the date, the festivals, the 休/班 words.
std::string ExpectedLabel(const CnCalendar& calendar, const QDate& date,
                          Script script) {
  std::string label = lunar_cli::LunarLineOf(calendar, Ymd(date), script);
  for (const Festival& festival :
       FestivalsOn(date.year(), date.month(), date.day())) {
    label += " " + festival.name;
  }
  if (const auto official =
          OfficialDayOn(date.year(), date.month(), date.day())) {
    label += " " + lunar_cli::OfficialDayWords(*official, date.year());
  }
  return label;
}

// Every page the clock shows from February 1901 to December 2100, its weeks
// starting on Monday and on Sunday: 42 days from the week's first day on or
// before the 1st. Each day inside the range is labelled as the window would
// label it; the days of the first and last pages outside it get nothing.
TEST_F(PlasmaCalendarTest, EveryPageOfTheRange) {
  const CnCalendar calendar;
  const struct {
    const char* locale;
    Script script;
  } scripts[] = {{"zh_CN", Script::kSimplified},
                 {"zh_TW", Script::kTraditional}};
  for (const auto& s : scripts) {
    const LocaleScope locale(s.locale);
    std::set<QDate> seen;
    for (const int weekStart : {Qt::Monday, Qt::Sunday}) {
      for (QDate month = Date(1901, 2, 1); month <= kLast;
           month = month.addMonths(1)) {
        const QDate start =
            month.addDays(-((month.dayOfWeek() - weekStart + 7) % 7));
        const QDate end = start.addDays(41);
        SCOPED_TRACE(Text(start.toString(Qt::ISODate)) + " " + s.locale);
        const Answer answer = Ask(start, end);
        ASSERT_EQ(answer.labelSignals, 1);
        ASSERT_EQ(answer.eventSignals, 1);
        const qint64 inside = std::min(end, kLast).toJulianDay() -
                              std::max(start, kFirst).toJulianDay() + 1;
        ASSERT_EQ(answer.labels.size(), inside);
        for (QDate day = start; day <= end; day = day.addDays(1)) {
          if (day < kFirst || day > kLast) {
            ASSERT_FALSE(answer.labels.contains(day));
            ASSERT_FALSE(answer.events.contains(day));
            continue;
          }
          const SubLabel& label = answer.labels[day];
          ASSERT_EQ(Text(label.dayLabel),
                    ExpectedDayLabel(calendar, day, s.script))
              << Text(day.toString(Qt::ISODate));
          ASSERT_EQ(Text(label.label), ExpectedLabel(calendar, day, s.script))
              << Text(day.toString(Qt::ISODate));
          ASSERT_EQ(label.priority,
                    CalendarEventsPlugin::SubLabelPriority::Default);
          seen.insert(day);
        }
      }
    }
    EXPECT_EQ(seen.size(), 73000u) << "every served day, once at least";
  }
}

// Days whose labels are published facts, in either script.
TEST_F(PlasmaCalendarTest, KnownDays) {
  const struct {
    QDate date;
    const char* locale;
    const char* dayLabel;
    const char* label;  // "" where only the day's label is checked
  } rows[] = {
      // 春节 2027 and 2030, and the eves before them.
      {Date(2027, 2, 5), "zh_CN", "除夕", ""},
      {Date(2027, 2, 6), "zh_CN", "春节", ""},
      // 春节 spans 初一 to 初三 in the program's festivals.
      {Date(2027, 2, 7), "zh_CN", "春节",
       "丁未年 正月初二 春节 休 春节 法定假日 (2027年调休安排尚未收录)"},
      {Date(2027, 2, 9), "zh_CN", "初四", ""},
      {Date(2030, 2, 2), "zh_CN", "除夕", ""},
      {Date(2030, 2, 3), "zh_CN", "春节", ""},
      {Date(2026, 12, 22), "zh_CN", "冬至", "丙午年 冬月十四 冬至"},
      {Date(2024, 3, 1), "zh_CN", "廿一", "甲辰年 正月廿一"},
      {Date(2024, 3, 5), "zh_CN", "惊蛰", ""},
      {Date(2024, 3, 5), "zh_TW", "驚蟄", ""},
      {Date(2024, 3, 5), "zh_HK", "驚蟄", ""},
      {Date(2024, 3, 5), "zh_MO", "驚蟄", ""},
      {Date(2024, 3, 5), "en_US", "惊蛰", ""},
      // The leap months of 2023 and 2020 began on these days: the month's
      // name without its size.
      {Date(2023, 3, 22), "zh_CN", "闰二月", ""},
      {Date(2023, 3, 22), "zh_TW", "閏二月", ""},
      {Date(2020, 5, 23), "zh_CN", "闰四月", ""},
      {Date(2025, 10, 1), "zh_CN", "国庆节",
       "乙巳年 八月初十 国庆节 休 国庆节、中秋节 法定假日"},
      {Date(2025, 9, 28), "zh_CN", "孔子诞辰",
       "乙巳年 八月初七 孔子诞辰 班 国庆节、中秋节调休"},
  };
  for (const auto& r : rows) {
    const LocaleScope locale(r.locale);
    const Answer answer = Ask(r.date, r.date);
    SCOPED_TRACE(Text(r.date.toString(Qt::ISODate)) + " " + r.locale);
    ASSERT_TRUE(answer.labels.contains(r.date));
    EXPECT_EQ(Text(answer.labels[r.date].dayLabel), r.dayLabel);
    if (*r.label != '\0') {
      EXPECT_EQ(Text(answer.labels[r.date].label), r.label);
    }
  }
}

// --- The ends of the range, and beyond -----------------------------------

TEST_F(PlasmaCalendarTest, WindowsAtAndBeyondTheEnds) {
  const struct {
    QDate start, end;
    int days;  // labelled
    QDate first, last;
    const char* why;
  } rows[] = {
      {Date(1, 1, 1), Date(1, 2, 11), 0, {}, {}, "year 1"},
      {Date(9999, 11, 22), Date(9999, 12, 31), 0, {}, {}, "year 9999"},
      {Date(1900, 12, 31), Date(1901, 2, 10), 0, {}, {}, "before the range"},
      {Date(2101, 1, 1), Date(2101, 2, 11), 0, {}, {}, "after the range"},
      {Date(1901, 1, 28), Date(1901, 3, 10), 20, kFirst, Date(1901, 3, 10),
       "straddles the first day"},
      {Date(2100, 12, 13), Date(2101, 1, 23), 19, Date(2100, 12, 13), kLast,
       "straddles the last day"},
      {Date(1901, 2, 19), Date(1901, 2, 19), 1, kFirst, kFirst, "first day"},
      {Date(2100, 12, 31), Date(2100, 12, 31), 1, kLast, kLast, "last day"},
      {Date(1, 1, 1), Date(9999, 12, 31), 73000, kFirst, kLast,
       "everything at once"},
      {Date(2024, 3, 10), Date(2024, 3, 1), 0, {}, {}, "end before start"},
      {QDate(), Date(2024, 3, 1), 0, {}, {}, "no start"},
      {Date(2024, 3, 1), QDate(), 0, {}, {}, "no end"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.why);
    Answer answer;
    ASSERT_NO_THROW(answer = Ask(r.start, r.end));
    EXPECT_EQ(answer.labelSignals, 1);
    EXPECT_EQ(answer.eventSignals, 1);
    ASSERT_EQ(answer.labels.size(), r.days);
    if (r.days == 0) {
      EXPECT_TRUE(answer.events.isEmpty());
      continue;
    }
    EXPECT_TRUE(answer.labels.contains(r.first));
    EXPECT_TRUE(answer.labels.contains(r.last));
    EXPECT_FALSE(answer.labels.contains(r.first.addDays(-1)));
    EXPECT_FALSE(answer.labels.contains(r.last.addDays(1)));
    for (auto it = answer.events.cbegin(); it != answer.events.cend(); ++it) {
      EXPECT_GE(it.key(), r.first);
      EXPECT_LE(it.key(), r.last);
    }
  }
}

// --- Events ----------------------------------------------------------------

struct ExpectedEvent {
  QDate date;
  EventData::EventType type;
  bool minor;
  const char* title;
  const char* description;  // nullptr: not checked
};

TEST_F(PlasmaCalendarTest, EventsOfTheDay) {
  const LocaleScope locale("zh_CN");
  const ExpectedEvent rows[] = {
      // A festival and a solar term list in the agenda without marking the
      // day.
      {Date(2027, 2, 6), EventData::Event, true, "春节", ""},
      {Date(2027, 2, 5), EventData::Event, true, "除夕", ""},
      {Date(2026, 12, 22), EventData::Event, true, "冬至", nullptr},
      {Date(2025, 10, 1), EventData::Event, true, "国庆节", ""},
      // 2025's notice: 1 to 8 October off, 28 September and 11 October
      // worked; 1 to 3 October are statutory, 8 October is not.
      {Date(2025, 10, 1), EventData::Holiday, false, "国庆节、中秋节 休",
       "法定假日"},
      {Date(2025, 10, 8), EventData::Holiday, false, "国庆节、中秋节 休",
       "调休"},
      {Date(2025, 9, 28), EventData::Event, false, "国庆节、中秋节调休 上班",
       ""},
      {Date(2025, 10, 11), EventData::Event, false, "国庆节、中秋节调休 上班",
       ""},
      // 2027 has no notice in the data: only its statutory days are known.
      {Date(2027, 2, 6), EventData::Holiday, false, "春节 休",
       "法定假日 (2027年调休安排尚未收录)"},
  };
  for (const ExpectedEvent& row : rows) {
    SCOPED_TRACE(Text(row.date.toString(Qt::ISODate)) + " " + row.title);
    const Answer answer = Ask(row.date, row.date);
    const QList<EventData> events = answer.events.values(row.date);
    const EventData* found = nullptr;
    for (const EventData& event : events) {
      if (Text(event.title()) == row.title && event.type() == row.type) {
        found = &event;
      }
    }
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->isMinor(), row.minor);
    EXPECT_TRUE(found->isAllDay());
    EXPECT_EQ(found->startDateTime().date(), row.date);
    EXPECT_EQ(found->endDateTime().date(), row.date);
    if (row.description != nullptr) {
      EXPECT_EQ(Text(found->description()), row.description);
    }
  }
}

// A solar term's description gives its minute in Beijing time: 冬至 2026
// at 04:50, 2026-12-21 20:50 UTC; in traditional script for Taiwan.
TEST_F(PlasmaCalendarTest, SolarTermMinute) {
  const QDate day = Date(2026, 12, 22);
  const struct {
    const char* locale;
    const char* title;
    const char* description;
  } rows[] = {{"zh_CN", "冬至", "北京时间 04:50"},
              {"zh_TW", "冬至", "北京時間 04:50"}};
  for (const auto& r : rows) {
    const LocaleScope locale(r.locale);
    const QList<EventData> events = Ask(day, day).events.values(day);
    ASSERT_EQ(events.size(), 1) << r.locale;
    EXPECT_EQ(Text(events[0].title()), r.title);
    EXPECT_EQ(Text(events[0].description()), r.description);
  }
}

// Every event of a year has its own uid, the same on every request.
TEST_F(PlasmaCalendarTest, StableDistinctUids) {
  const Answer first = Ask(Date(2025, 1, 1), Date(2025, 12, 31));
  const Answer again = Ask(Date(2025, 1, 1), Date(2025, 12, 31));
  std::set<QString> uids, uidsAgain;
  for (const EventData& event : first.events) {
    EXPECT_FALSE(event.uid().isEmpty());
    EXPECT_TRUE(uids.insert(event.uid()).second) << Text(event.uid());
  }
  for (const EventData& event : again.events) uidsAgain.insert(event.uid());
  EXPECT_EQ(uids, uidsAgain);
  // 24 solar terms, 除夕 falls in January 2025, and 2025's days off and
  // make-up days (28 and 5): well over a hundred events.
  EXPECT_GT(uids.size(), 100u);
}

// --- The metadata Plasma lists the plug-in by --------------------------------

TEST(PlasmaMetadataTest, ReadBack) {
  const KPluginMetaData data(QString::fromUtf8(kPluginPath));
  ASSERT_TRUE(data.isValid());
  EXPECT_EQ(data.pluginId(), QStringLiteral("quilletlunar"));
  EXPECT_EQ(Text(data.name()), "Chinese Lunar Calendar (Quillet)");
  EXPECT_FALSE(data.description().isEmpty());
  EXPECT_EQ(data.iconName(), QStringLiteral("view-calendar"));
  EXPECT_EQ(data.license(), QStringLiteral("MIT"));
  const QJsonObject plugin = data.rawData().value("KPlugin").toObject();
  const struct {
    const char* key;
    const char* value;
  } rows[] = {{"Name[zh_CN]", "农历 (Quillet)"},
              {"Name[zh_TW]", "農曆 (Quillet)"}};
  for (const auto& r : rows) {
    EXPECT_EQ(Text(plugin.value(QString::fromUtf8(r.key)).toString()), r.value);
  }
  const QPluginLoader loader(QString::fromUtf8(kPluginPath));
  EXPECT_EQ(loader.metaData().value("IID").toString(),
            QStringLiteral("org.kde.CalendarEventsPlugin"));
}

}  // namespace
}  // namespace quillet
