// One page of the Plasma clock's calendar, 42 days, answered by Quillet's
// plug-in and by Plasma's own alternate calendar set to Chinese: both loaded
// by QPluginLoader, as the clock loads them, and asked the same pages in
// turn, every month's page from 1901 to 2100 (Monday first), so that no
// answer is one the plug-in has just given.
//
// Plasma's plug-in comes with Debian's plasma-calendar-addons; its setting
// is written into a throwaway XDG_CONFIG_HOME.
#include <benchmark/benchmark.h>

#include <CalendarEvents/CalendarEventsPlugin>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QPluginLoader>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

using CalendarEvents::CalendarEventsPlugin;

struct Page {
  QDate start, end;
};

std::vector<Page> EveryPage() {
  std::vector<Page> pages;
  for (QDate month(1901, 3, 1); month <= QDate(2100, 11, 1);
       month = month.addMonths(1)) {
    const QDate start = month.addDays(1 - month.dayOfWeek());
    pages.push_back({start, start.addDays(41)});
  }
  return pages;
}

// A plug-in loaded from its file, and how many day labels its answers held.
struct LoadedPlugin {
  explicit LoadedPlugin(const QString& path) : loader(path) {
    plugin = qobject_cast<CalendarEventsPlugin*>(loader.instance());
    if (plugin == nullptr) return;
    QObject::connect(
        plugin, &CalendarEventsPlugin::subLabelReady,
        [this](const QHash<QDate, CalendarEventsPlugin::SubLabel>& labels) {
          this->labels += labels.size();
        });
  }
  QPluginLoader loader;
  CalendarEventsPlugin* plugin = nullptr;
  qint64 labels = 0;
};

void AskPages(benchmark::State& state, LoadedPlugin* loaded) {
  if (loaded->plugin == nullptr) {
    state.SkipWithError(("not loaded: " + loaded->loader.fileName() + ": " +
                         loaded->loader.errorString())
                            .toStdString()
                            .c_str());
    return;
  }
  const std::vector<Page> pages = EveryPage();
  std::size_t next = 0;
  loaded->labels = 0;
  for (auto _ : state) {
    const Page& page = pages[next];
    next = (next + 1) % pages.size();
    loaded->plugin->loadEventsForDateRange(page.start, page.end);
    // Anything the plug-in left to the event loop is part of its answer.
    QCoreApplication::processEvents();
  }
  // Labels per page: 42 where every day of the page got one.
  state.counters["labels_per_page"] =
      benchmark::Counter(static_cast<double>(loaded->labels) /
                         static_cast<double>(state.iterations()));
}

}  // namespace

int main(int argc, char** argv) {
  // Plasma's alternate calendar reads its setting from
  // plasma_calendar_alternatecalendar in XDG_CONFIG_HOME: a throwaway one,
  // set to the Chinese calendar. Both plug-ins answer in a Chinese locale.
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  qputenv("LANG", "zh_CN.UTF-8");
  QFile setting(
      QDir(config.path())
          .filePath(QStringLiteral("plasma_calendar_alternatecalendar")));
  if (!setting.open(QIODevice::WriteOnly) ||
      setting.write("[General]\ncalendarSystem=Chinese\n") < 0) {
    return 1;
  }
  setting.close();
  QCoreApplication app(argc, argv);
  QLocale::setDefault(QLocale(QStringLiteral("zh_CN")));

  const QString plugins = QLibraryInfo::location(QLibraryInfo::PluginsPath) +
                          QStringLiteral("/plasmacalendarplugins/");
  LoadedPlugin quillet(QString::fromUtf8(QUILLET_PLASMA_PLUGIN));
  LoadedPlugin plasma(plugins + QStringLiteral("alternatecalendar.so"));
  benchmark::RegisterBenchmark("BM_PageQuillet", AskPages, &quillet)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("BM_PagePlasmaAlternateChinese", AskPages,
                               &plasma)
      ->Unit(benchmark::kMicrosecond);

  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
