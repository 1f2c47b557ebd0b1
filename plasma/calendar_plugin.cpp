#include "plasma/calendar_plugin.h"

#include <QHash>
#include <QLocale>
#include <QMultiHash>
#include <algorithm>
#include <chrono>
#include <string>

#include "monthview/official_days_file.h"

namespace quillet::plasma {
namespace {

namespace chr = std::chrono;
using CalendarEvents::CalendarEventsPlugin;
using CalendarEvents::EventData;

// QDate counts Julian days; std::chrono counts from 1970-01-01, which is
// Julian day 2440588.
constexpr qint64 kJulianDayOfUnixEpoch = 2440588;
chr::sys_days SysDaysOf(const QDate& date) {
  return chr::sys_days{chr::days{date.toJulianDay() - kJulianDayOfUnixEpoch}};
}
QDate QDateOf(chr::sys_days day) {
  return QDate::fromJulianDay(day.time_since_epoch().count() +
                              kJulianDayOfUnixEpoch);
}

// Traditional characters for Taiwan, Hong Kong and Macao, simplified for
// every other locale. Asked on every request, so that a change of the
// locale shows on the next page.
Script ScriptOfLocale() {
  const QString name = QLocale().name();
  return name == QLatin1String("zh_TW") || name == QLatin1String("zh_HK") ||
                 name == QLatin1String("zh_MO")
             ? Script::kTraditional
             : Script::kSimplified;
}

// The 休/班 data as the window and quillet-lunar have it: the built-in
// table, with the user's file of later notices where it is sound.
OfficialDays LoadOfficial() {
  try {
    LoadedOfficialDays loaded = LoadOfficialDays(ProcessEnvironment);
    if (!loaded.refusal.empty()) {
      qWarning("quillet: %s", loaded.refusal.c_str());
    }
    return std::move(loaded.table);
  } catch (...) {
    return OfficialDays::BuiltIn();
  }
}

// An all-day event of the day that begins at `midnight`.
EventData EventOf(const QDateTime& midnight, const ClockEvent& event) {
  EventData data;
  data.setStartDateTime(midnight);
  data.setEndDateTime(midnight);
  data.setIsAllDay(true);
  data.setTitle(QString::fromStdString(event.title));
  data.setDescription(QString::fromStdString(event.description));
  data.setUid(QString::fromStdString(event.uid));
  switch (event.kind) {
    case ClockEventKind::kNote:
    case ClockEventKind::kFestival:
      // Listed in the agenda, without marking the day in the grid.
      data.setEventType(EventData::Event);
      data.setIsMinor(true);
      break;
    case ClockEventKind::kRest:
      data.setEventType(EventData::Holiday);
      data.setIsMinor(false);
      break;
    case ClockEventKind::kWork:
      data.setEventType(EventData::Event);
      data.setIsMinor(false);
      break;
  }
  return data;
}

}  // namespace

CalendarPlugin::CalendarPlugin(QObject* parent)
    : CalendarEventsPlugin(parent), calendar_(LoadOfficial()) {}

void CalendarPlugin::loadEventsForDateRange(const QDate& start,
                                            const QDate& end) {
  try {
    QHash<QDate, SubLabel> labels;
    QMultiHash<QDate, EventData> events;
    if (start.isValid() && end.isValid()) {
      const chr::sys_days first =
          std::max(SysDaysOf(start), chr::sys_days{kFirstServedDay});
      const chr::sys_days last =
          std::min(SysDaysOf(end), chr::sys_days{kLastServedDay});
      const Script script = ScriptOfLocale();
      for (chr::sys_days day = first; day <= last; ++day) {
        const std::optional<ClockDay> answer = calendar_.Day(day, script);
        if (!answer) continue;
        const QDate date = QDateOf(day);
        SubLabel label;
        label.dayLabel = QString::fromStdString(answer->dayLabel);
        label.label = QString::fromStdString(answer->label);
        // Above Plasma's own alternate calendar (Low), so that where both
        // are on, the clock shows Quillet's label.
        label.priority = SubLabelPriority::Default;
        labels.insert(date, label);
        if (answer->events.empty()) continue;
        // Local midnight, found once a day: it asks the C library for the
        // time zone, which costs more than all the rest of the day.
        const QDateTime midnight = date.startOfDay();
        for (const ClockEvent& event : answer->events) {
          events.insert(date, EventOf(midnight, event));
        }
      }
    }
    Q_EMIT subLabelReady(labels);
    Q_EMIT dataReady(events);
  } catch (...) {
    // Nothing leaves the plug-in: the clock shows the days without labels.
  }
}

}  // namespace quillet::plasma
