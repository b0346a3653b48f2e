#include "core/check/DataCheck.h"

#include "Alignment.h"
#include "FileCheck.h"
#include "RacePlaces.h"

namespace turvane {

using namespace check;

namespace {

// How many of its own findings a file saved in the wrong encoding still
// lists: every line of it is wrong, and saying so thousands of times hides
// the one thing to do.
constexpr std::size_t FewFindings = 3;

// Whether bytes read as UTF-8 throughout and hold at least one character of
// three bytes or more, as Japanese text in UTF-8 does; code page 932 text
// practically never does.
bool LooksLikeUtf8(std::string_view bytes) {
    bool wide = false;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        std::size_t length = 1;
        if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
        } else if (lead >= 0xE0) {
            length = lead <= 0xEF ? 3 : 0;
        } else if (lead >= 0xC2) {
            length = 2;
        } else if (lead >= 0x80) {
            length = 0;
        }
        if (length == 0 || i + length > bytes.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        wide = wide || length >= 3;
        i += length;
    }
    return wide;
}

// A file that looks like UTF-8 says so once, then lists only a few of the
// problems that follow from it.
void SayUtf8(const CheckedFile& file, std::vector<Finding>& findings) {
    if (!file.bytes || findings.empty() || !LooksLikeUtf8(*file.bytes)) {
        return;
    }
    const std::size_t total = findings.size();
    findings.erase(findings.begin() + static_cast<std::ptrdiff_t>(std::min(total, FewFindings)),
                   findings.end());
    findings.insert(
        findings.begin(),
        Finding{file.path, 0, 0, Severity::Error,
                Message(QT_TRANSLATE_NOOP("DataCheck",
                                          "the file looks like UTF-8: save it as Shift_JIS "
                                          "(code page 932); of the %1 problems this makes, "
                                          "the first %2 follow"),
                        {Number(total), Number(findings.size())})});
}

} // namespace

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
        SayUtf8(f == 0 ? meetings : f == 1 ? courses : races, findings[f]);
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
