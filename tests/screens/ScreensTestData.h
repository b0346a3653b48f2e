#pragma once

#include "Cp932Text.h"
#include "core/DataFiles.h"
#include "core/FileSource.h"
#include "screens/Design.h"
#include "screens/Fill.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <set>
#include <sstream>
#include <string>

// The windows' designs, and their fills on data files in memory, read by the
// controls' names.

namespace turvane::screens {
inline void PrintTo(const Rect& r, std::ostream* out) {
    *out << "{" << r.left << ", " << r.top << ", " << r.width << ", " << r.height << "}";
}
} // namespace turvane::screens

struct Placed {
    std::string_view name;
    turvane::screens::Rect rect; // relative to the design parent
};

// Checks a window's design as a whole: each control's place, its parent
// listed before it and containing it, the focus order naming controls.
inline void ExpectConsistent(const turvane::screens::WindowDesign& window) {
    std::set<std::string_view> seen;
    for (const turvane::screens::ControlDesign& control : window.controls) {
        SCOPED_TRACE(std::string(control.name));
        EXPECT_TRUE(seen.insert(control.name).second) << "named twice";
        const turvane::screens::Size parent = [&] {
            if (control.parent.empty()) {
                return window.clientSize;
            }
            EXPECT_TRUE(seen.contains(control.parent)) << "parent listed later";
            const turvane::screens::Rect r = window.find(control.parent)->rect;
            return turvane::screens::Size{r.width, r.height};
        }();
        EXPECT_LE(control.rect.left + control.rect.width, parent.width);
        EXPECT_LE(control.rect.top + control.rect.height, parent.height);
        EXPECT_EQ(control.grid.has_value(),
                  control.kind == turvane::screens::ControlKind::StringGrid);
    }
    for (const std::string_view name : window.focusOrder) {
        EXPECT_TRUE(seen.contains(name)) << name;
    }
}

inline void ExpectPlaced(const turvane::screens::WindowDesign& window,
                         std::initializer_list<Placed> placed) {
    for (const Placed& p : placed) {
        SCOPED_TRACE(std::string(p.name));
        ASSERT_NE(window.find(p.name), nullptr);
        EXPECT_EQ(window.find(p.name)->rect, p.rect);
    }
}

// The sample year's bytes.
inline std::string SampleFile(std::string_view name) {
    std::ifstream in(std::filesystem::path(TURVANE_SAMPLE_DIR) / name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline void CopySampleYear(turvane::MemoryFiles& files) {
    for (const std::string_view name :
         {turvane::MeetingFile, turvane::CourseFile, turvane::RaceFile}) {
        files.Write(name, SampleFile(name));
    }
}

// A cell's text as the window shows it.
template <typename Fill>
std::u16string Cell(const Fill& fill, const turvane::screens::GridFill& grid, int col, int row) {
    return fill.texts[grid.cell(col, row)];
}

// The message a failure shows, empty when filling went through.
template <typename Fill> std::string FailureOf(const Fill& fill) {
    return fill.failure ? fill.failure->message : std::string();
}

// The same files, filled as a window fills itself on opening.
class FillTest : public testing::Test {
protected:
    turvane::screens::MainWindowFill OpenMain(turvane::CivilDate today = {2003, 5, 12},
                                              turvane::ScheduleYear year = {}) const {
        return turvane::screens::FillMainWindow(files_, today, year);
    }
    turvane::screens::ListWindowFill OpenList(turvane::CivilDate today = {2003, 5, 12},
                                              turvane::ScheduleYear year = {}) const {
        return turvane::screens::FillListWindow(files_, today, year);
    }
    std::string OpenError(std::string_view name) const {
        return "ファイル " + files_.PathOf(name) + " は開けません";
    }

    turvane::MemoryFiles files_;
};
