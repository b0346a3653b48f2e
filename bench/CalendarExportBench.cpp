// The calendar export in memory: events from the files and their iCalendar
// text, for the sample year and for 100,000 meeting days (the sample year
// over and over), per event.

#include "core/DataFiles.h"
#include "core/FileSource.h"
#include "outputs/CalendarEvents.h"
#include "outputs/IcsWriter.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

using namespace turvane;
namespace fs = std::filesystem;

namespace {

std::string SampleBytes(std::string_view name) {
    std::ifstream in(fs::path(TURVANE_SAMPLE_DIR) / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The sample year's lines repeated until there are days lines.
std::string Repeated(std::string_view name, std::size_t days) {
    const std::string year = SampleBytes(name);
    std::string out;
    std::size_t lines = 0;
    for (std::size_t at = 0; lines < days; ++lines) {
        const std::size_t end = year.find("\r\n", at) + 2;
        out.append(year, at, end - at);
        at = end == year.size() ? 0 : end;
    }
    return out;
}

void ExportBench(benchmark::State& state) {
    MemoryFiles files;
    const auto days = static_cast<std::size_t>(state.range(0));
    files.Write(MeetingFile, Repeated(MeetingFile, days));
    files.Write(RaceFile, Repeated(RaceFile, days));
    const ScheduleYear year;
    const IcsCalendar calendar{"-//bench//EN", CalendarName(year, false), year, 0};
    std::size_t events = 0;
    for (auto _ : state) {
        const std::vector<CalendarEvent> all = ScheduleEvents(files, year, false);
        std::size_t bytes = 0;
        WriteIcs(calendar, all, [&](std::string_view piece) { bytes += piece.size(); });
        benchmark::DoNotOptimize(bytes);
        events = all.size();
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * events));
    state.counters["events"] = static_cast<double>(events);
}
BENCHMARK(ExportBench)
    ->Name("CalendarExport/days")
    ->Arg(110)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
