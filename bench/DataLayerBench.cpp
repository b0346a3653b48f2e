// Throughput of the data layer. LoadLines is measured against the practical
// floor for loading lines: the same read() of the whole file and a plain
// memchr split into the same kind of spans.

#include "core/CourseCalendar.h"
#include "core/DataDir.h"
#include "core/Labels.h"
#include "core/MeetingCalendar.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

using namespace turvane;
namespace fs = std::filesystem;

namespace {

constexpr std::size_t BigFileSize = 100u * 1024 * 1024;

std::string SampleBytes(const char* name) {
    std::ifstream in(fs::path(TURVANE_SAMPLE_DIR) / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A 100 MB meeting file: the sample year over and over.
const fs::path& BigFile() {
    static const fs::path path = [] {
        const fs::path dir = fs::temp_directory_path() / "turvane-bench";
        fs::create_directories(dir);
        const std::string year = SampleBytes("Cal1.dat");
        std::ofstream out(dir / "Cal1.dat", std::ios::binary | std::ios::trunc);
        for (std::size_t written = 0; written < BigFileSize; written += year.size()) {
            out << year;
        }
        return dir / "Cal1.dat";
    }();
    return path;
}

void LoadLinesBench(benchmark::State& state) {
    const DataDir dir(BigFile().parent_path());
    for (auto _ : state) {
        const LineList lines = LoadLines(dir, "Cal1.dat");
        benchmark::DoNotOptimize(lines.size());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fs::file_size(BigFile())));
}
BENCHMARK(LoadLinesBench)->Name("LoadLines/100MB")->Unit(benchmark::kMillisecond);

struct Span {
    std::size_t offset;
    std::size_t length;
};

void MemchrFloorBench(benchmark::State& state) {
    const std::string path = BigFile().string();
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_RDONLY);
        std::string bytes(fs::file_size(BigFile()), '\0');
        std::size_t got = 0;
        while (got < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
            if (n <= 0) {
                break;
            }
            got += static_cast<std::size_t>(n);
        }
        ::close(fd);
        std::vector<Span> spans;
        const char* begin = bytes.data();
        const char* end = begin + got;
        for (const char* p = begin; p < end;) {
            const auto* nl = static_cast<const char*>(std::memchr(p, '\n', end - p));
            const char* lineEnd = nl ? nl : end;
            spans.push_back(
                {static_cast<std::size_t>(p - begin), static_cast<std::size_t>(lineEnd - p)});
            p = lineEnd + 1;
        }
        benchmark::DoNotOptimize(spans.size());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fs::file_size(BigFile())));
}
BENCHMARK(MemchrFloorBench)->Name("MemchrFloor/100MB")->Unit(benchmark::kMillisecond);

// Per-line costs of the readers over the sample year's lines.
template <typename Reader> void PerLine(benchmark::State& state, const char* file, Reader read) {
    const LineList lines = LineList::Split(SampleBytes(file));
    for (auto _ : state) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            benchmark::DoNotOptimize(read(lines[i]));
        }
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * lines.size()));
}

void MonthDayLabelBench(benchmark::State& state) {
    PerLine(state, "Cal1.dat", [](std::string_view line) { return MonthDayLabel(line); });
}
BENCHMARK(MonthDayLabelBench)->Name("MonthDayLabel/line");

void MeetingTextBench(benchmark::State& state) {
    PerLine(state, "Cal1.dat", [](std::string_view line) {
        return MeetingText(line, 1).size() + MeetingText(line, 2).size() +
               MeetingText(line, 3).size();
    });
}
BENCHMARK(MeetingTextBench)->Name("MeetingText/line(3 slots)");

void CourseDayTextBench(benchmark::State& state) {
    PerLine(state, "Cal2.dat", [](std::string_view line) {
        std::size_t total = 0;
        for (int c = 1; c <= CourseCount; ++c) {
            total += CourseDayText(line, c).size();
        }
        return total;
    });
}
BENCHMARK(CourseDayTextBench)->Name("CourseDayText/line(10 slots)");

} // namespace

BENCHMARK_MAIN();
