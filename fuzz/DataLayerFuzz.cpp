// Feeds arbitrary bytes, as if they were any of the three data files, through
// every reader of the data layer and the layout check. Besides not crashing, every text that
// reaches the screen must decode to valid UTF-8. The same bytes go through the CSV import, as
// a CSV, and three files cut out of them through the CSV export and back: whatever the import
// writes must pass the layout check, and files the check finds nothing in come back as they
// were.

#include "core/ByteText.h"
#include "core/CourseCalendar.h"
#include "core/Cp932.h"
#include "core/DateKeys.h"
#include "core/Errors.h"
#include "core/GradedRaces.h"
#include "core/Labels.h"
#include "core/LineList.h"
#include "core/MeetingCalendar.h"
#include "core/check/DataCheck.h"
#include "core/season/ScheduleCsv.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

using namespace turvane;

namespace {

bool IsValidUtf8(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        const int length = b < 0x80           ? 1
                           : (b >> 5) == 0x6  ? 2
                           : (b >> 4) == 0xe  ? 3
                           : (b >> 3) == 0x1e ? 4
                                              : 0;
        if (length == 0 || i + static_cast<std::size_t>(length) > text.size()) {
            return false;
        }
        for (int k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0xc0) !=
                0x80) {
                return false;
            }
        }
        i += static_cast<std::size_t>(length);
    }
    return true;
}

void Show(const std::string& cp932) {
    if (!IsValidUtf8(Cp932ToUtf8(cp932))) {
        std::abort();
    }
}

// The files as the import writes them: the lines the readers see, each
// ended by CR LF.
std::string AsWritten(const std::string& bytes) {
    const LineList lines = LineList::Split(bytes);
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        out += std::string(lines[i]) + "\r\n";
    }
    return out;
}

// Imports csv; aborts when the files would fail the check, or when any
// message is not UTF-8.
std::optional<DataFileBytes> Import(const std::string& csv) {
    const CsvImport imported = ImportScheduleCsv(csv, "f.csv", 2003);
    for (const Finding& problem : imported.problems) {
        if (!IsValidUtf8(Render(problem.message))) {
            std::abort();
        }
    }
    if (imported.files &&
        !CheckDataFiles({"Cal1.dat", (*imported.files)[0]}, {"Cal2.dat", (*imported.files)[1]},
                        {"jyuusyou.dat", (*imported.files)[2]}, ScheduleYear())
             .findings.empty()) {
        std::abort();
    }
    return imported.files;
}

// Exports three files and imports the CSV again.
void RoundTrip(const std::array<std::string, 3>& files) {
    const CheckedFile meetings{"Cal1.dat", files[0]};
    const CheckedFile courses{"Cal2.dat", files[1]};
    const CheckedFile races{"jyuusyou.dat", files[2]};
    const CsvExport exported = ExportScheduleCsv(meetings, courses, races, 2003);
    for (const Finding& finding : exported.findings) {
        if (!IsValidUtf8(Render(finding.message))) {
            std::abort();
        }
    }
    if (!exported.ok) {
        return;
    }
    const std::optional<DataFileBytes> back = Import(exported.csv);
    // A year without a meeting day exports to a CSV without rows, which
    // imports to nothing.
    if (!back) {
        if (exported.csv.find("\r\nmeeting,") != std::string::npos) {
            std::abort();
        }
        return;
    }
    if (exported.findings.empty() &&
        CheckDataFiles(meetings, courses, races, ScheduleYear()).findings.empty()) {
        for (std::size_t f = 0; f < 3; ++f) {
            if ((*back)[f] != AsWritten(files[f])) {
                std::abort();
            }
        }
    }
}

class Ignore : public TodayAndNextSink {
public:
    void ShowTodaysMeetings(std::string_view line) override { Show(MeetingText(line, 1)); }
    void ShowNextMeetingDay(std::string_view line) override {
        Show(MeetingDateText(line, ScheduleYear()));
    }
    void ShowNoMeetingToday() override {}
    void ShowNoMoreMeetingsThisYear() override {}
    void SettleOn(std::size_t) override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const LineList lines = LineList::Split(std::string(reinterpret_cast<const char*>(data), size));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        Show(MonthDayLabel(line));
        Show(ToFullWidth(line));
        for (int k = 1; k <= MeetingSlots; ++k) {
            Show(MeetingText(line, k));
            Show(std::string(MeetingCourseName(line, k)));
        }
        for (int c = 1; c <= CourseCount; ++c) {
            Show(CourseDayText(line, c));
        }
        try {
            (void)KeyValue(DateKey(line, ScheduleYear()));
            const RaceRow placed = PlaceRaces(line, lines, i + (line.size() & 1));
            for (const auto& text : placed) {
                if (text) {
                    Show(std::string(*text));
                }
            }
        } catch (const ScheduleError&) {
        }
    }
    // The layout check, on the bytes as all three files and as three files cut
    // out of them: whatever it finds, its messages must be valid UTF-8.
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t third = size / 3;
    for (const std::array<std::string, 3>& files :
         {std::array<std::string, 3>{bytes, bytes, bytes},
          std::array<std::string, 3>{bytes.substr(0, third), bytes.substr(third, third),
                                     bytes.substr(2 * third)}}) {
        for (const Finding& finding : CheckDataFiles({"Cal1.dat", files[0]}, {"Cal2.dat", files[1]},
                                                     {"jyuusyou.dat", files[2]}, ScheduleYear())
                                          .findings) {
            if (!IsValidUtf8(FormatFinding(finding))) {
                std::abort();
            }
        }
    }
    (void)Import(bytes);
    RoundTrip({bytes.substr(0, third), bytes.substr(third, third), bytes.substr(2 * third)});
    for (const char* today : {"20030105", "20030517", "20031231", "2003x"}) {
        try {
            Ignore sink;
            SearchTodayAndNext(lines, today, ScheduleYear(), sink);
            (void)FirstDayOnOrAfter(lines, today, ScheduleYear());
        } catch (const ScheduleError&) {
        }
    }
    return 0;
}
