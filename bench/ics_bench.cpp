// quillet-lunar ics: the events of 1901..2100 chosen and written, and the
// iCalendar writer alone, per event.
#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

#include "cli/icalendar.h"
#include "cli/ics.h"

namespace {

quillet::lunar_cli::IcsRequest WholeRange() {
  quillet::lunar_cli::IcsRequest request;
  request.festivals = request.terms = request.days = true;
  request.fromYear = 1901;
  request.toYear = 2100;
  return request;
}

// Seconds per event, averaged over the events of one iteration.
benchmark::Counter PerEvent(std::size_t events) {
  return benchmark::Counter(static_cast<double>(events),
                            benchmark::Counter::kIsIterationInvariantRate |
                                benchmark::Counter::kInvert);
}

// What `quillet-lunar ics --festivals --terms --days 1901 2100` computes:
// every event chosen and the whole file's text.
void BM_IcsWholeRange(benchmark::State& state) {
  const quillet::CnCalendar calendar;
  const quillet::lunar_cli::IcsRequest request = WholeRange();
  const std::size_t events =
      quillet::lunar_cli::IcsEvents(calendar, request).size();
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string text = quillet::lunar_cli::IcsText(
        calendar, request, std::chrono::sys_seconds{});
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.counters["events"] = static_cast<double>(events);
  state.counters["bytes"] = static_cast<double>(bytes);
  state.counters["per_event"] = PerEvent(events);
}
BENCHMARK(BM_IcsWholeRange)->Unit(benchmark::kMillisecond);

// The writer alone: the same events, already chosen, into text.
void BM_IcsWriterOnly(benchmark::State& state) {
  const std::vector<quillet::ical::AllDayEvent> events =
      quillet::lunar_cli::IcsEvents(quillet::CnCalendar{}, WholeRange());
  for (auto _ : state) {
    quillet::ical::CalendarWriter writer({"-//Quillet//bench//ZH", "农历"},
                                         std::chrono::sys_seconds{});
    writer.Reserve(events.size());
    for (const auto& event : events) writer.Add(event);
    benchmark::DoNotOptimize(writer.Finish().data());
  }
  state.counters["per_event"] = PerEvent(events.size());
}
BENCHMARK(BM_IcsWriterOnly)->Unit(benchmark::kMillisecond);

}  // namespace
