// Quillet in the calendar that opens from Plasma's digital clock: a calendar
// events plug-in (KDE Frameworks' CalendarEvents, the same interface in KF5
// and KF6) that labels every day of the grid with its lunar day, solar term,
// festival or month, and lists the day's festivals, solar term and 休/班 in
// the agenda.
#pragma once

#include <CalendarEvents/CalendarEventsPlugin>

#include "plasma/clock_days.h"

namespace quillet::plasma {

class CalendarPlugin : public CalendarEvents::CalendarEventsPlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID "org.kde.CalendarEventsPlugin" FILE "quilletlunar.json")
  Q_INTERFACES(CalendarEvents::CalendarEventsPlugin)

 public:
  explicit CalendarPlugin(QObject* parent = nullptr);

  // Answers at once with subLabelReady and dataReady for the days of
  // [start, end] inside 1901-02-19 .. 2100-12-31 (both signals, empty where
  // no day is). Throws nothing: an exception here would end the panel.
  void loadEventsForDateRange(const QDate& start, const QDate& end) override;

 private:
  ClockCalendar calendar_;
};

}  // namespace quillet::plasma
