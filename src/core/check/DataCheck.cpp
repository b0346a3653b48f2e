#include "core/check/DataCheck.h"

#include "Alignment.h"
#include "FileCheck.h"
#include "RacePlaces.h"

namespace turvane {

using namespace check;

CheckReport CheckDataFiles(const CheckedFile& meetings, const CheckedFile& courses,
                           const CheckedFile& races, ScheduleYear year) {
    const Layout meetingLayout = MeetingLayout();
    const Layout courseLayout = CourseLayout();
    const Layout raceLayout = RaceLayout();
    std::array<std::vector<Finding>, 3> findings;
    Checker meetingCheck(meetings, meetingLayout, year, findings[0]);
    Checker courseCheck(courses, courseLayout, year, findings[1]);
    Checker raceCheck(races, raceLayout, year, findings[2]);
    const std::array<Checker*, 3> checks{&meetingCheck, &courseCheck, &raceCheck};
    const Alignment alignment(checks);
    for (std::size_t f = 0; f < 3; ++f) {
        checks[f]->CheckOrder(alignment.blamed(f));
    }
    CheckRacePlaces(meetingCheck, raceCheck, alignment.pairs());

    CheckReport report;
    for (std::size_t f = 0; f < 3; ++f) {
        report.lines += checks[f]->lines().size();
        std::stable_sort(findings[f].begin(), findings[f].end(),
                         [](const Finding& a, const Finding& b) {
                             return a.line != b.line ? a.line < b.line : a.column < b.column;
                         });
        std::move(findings[f].begin(), findings[f].end(), std::back_inserter(report.findings));
    }
    return report;
}

CheckedFile ReadCheckedFile(const FileSource& files, std::string_view name) {
    CheckedFile file{files.PathOf(name), std::nullopt};
    try {
        file.bytes = files.LoadAllBytes(name);
    } catch (const FileOpenError&) {
    }
    return file;
}

CheckReport CheckDataFiles(const FileSource& files, ScheduleYear year) {
    return CheckDataFiles(ReadCheckedFile(files, MeetingFile), ReadCheckedFile(files, CourseFile),
                          ReadCheckedFile(files, RaceFile), year);
}

} // namespace turvane
