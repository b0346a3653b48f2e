#include "core/DataDir.h"
#include "CaseName.h"
#include "TempDir.h"
#include "core/DataFiles.h"
#include "core/Errors.h"
#include "core/Seasons.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <fstream>
#include <functional>

#ifdef _WIN32
#include <windows.h>
#else
#include "SelfCopy.h"

#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace turvane;
namespace fs = std::filesystem;

namespace {

std::string Utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

class DataDirTest : public testing::Test {
protected:
    void Write(const fs::path& dir, std::string_view name, const std::string& bytes) {
        fs::create_directories(dir);
        std::ofstream(dir / name, std::ios::binary) << bytes;
    }

    static std::string OpenMessage(const DataDir& dir, std::string_view name) {
        try {
            LoadLines(dir, name);
        } catch (const FileOpenError& e) {
            return e.what();
        }
        return "(no failure)";
    }

    TempDir temp_;
    const fs::path& root_ = temp_.path();
};

TEST_F(DataDirTest, LoadsTheLinesOfAFile) {
    Write(root_, MeetingFile, "0105a\r\n0111b\r\n");
    const DataDir dir(root_);
    EXPECT_TRUE(dir.DataFileExists(MeetingFile));
    const LineList lines = LoadLines(dir, MeetingFile);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "0111b");
}

TEST_F(DataDirTest, MissingFileNamesItsFullPath) {
    const DataDir dir(root_);
    EXPECT_FALSE(dir.DataFileExists(MeetingFile));
    EXPECT_EQ(OpenMessage(dir, MeetingFile),
              "ファイル " + (root_ / MeetingFile).string() + " は開けません");
}

TEST_F(DataDirTest, NonAsciiDirectoryShowsInTheMessage) {
    // Named in UTF-8 on every system: a plain narrow string would be read in
    // the ANSI code page on Windows.
    const fs::path japanese = root_ / fs::path(u8"ユーザー") / fs::path(u8"競馬");
    fs::create_directories(japanese);
    const std::string separator(1, static_cast<char>(fs::path::preferred_separator));
    EXPECT_EQ(OpenMessage(DataDir(japanese), CourseFile), "ファイル " + Utf8(root_) + separator +
                                                              "ユーザー" + separator + "競馬" +
                                                              separator + "Cal2.dat は開けません");
}

TEST_F(DataDirTest, NotARegularFileCountsAsMissing) {
    fs::create_directory(root_ / MeetingFile);
    std::vector<std::string_view> names{MeetingFile};
#ifndef _WIN32
    // Pipes and dangling links: Windows has neither in a plain folder.
    ASSERT_EQ(::mkfifo((root_ / CourseFile).c_str(), 0600), 0);
    fs::create_symlink(root_ / "nowhere", root_ / RaceFile);
    names.insert(names.end(), {CourseFile, RaceFile});
#endif
    const DataDir dir(root_);
    for (const std::string_view name : names) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(dir.DataFileExists(name));
        // A pipe must fail at once rather than wait for a writer.
        EXPECT_EQ(OpenMessage(dir, name), "ファイル " + (root_ / name).string() + " は開けません");
    }
}

TEST_F(DataDirTest, OldFilesStillCount) {
    // Files unpacked from archives often carry a 1970 date.
    Write(root_, MeetingFile, "0105\r\n");
    fs::last_write_time(root_ / MeetingFile, fs::file_time_type(std::chrono::seconds(0)));
    EXPECT_TRUE(DataDir(root_).DataFileExists(MeetingFile));
}

TEST_F(DataDirTest, LinksAreFollowed) {
#ifdef _WIN32
    GTEST_SKIP() << "making a symbolic link needs a privilege on Windows";
#endif
    Write(root_ / "real", MeetingFile, "0105\r\n");
    fs::create_directory(root_ / "bin");
    fs::create_symlink(root_ / "real" / MeetingFile, root_ / "bin" / MeetingFile);
    const DataDir dir(root_ / "bin");
    EXPECT_TRUE(dir.DataFileExists(MeetingFile));
    EXPECT_EQ(LoadLines(dir, MeetingFile).size(), 1u);
}

struct BoundedReadCase {
    const char* name;
    std::size_t limit;
    std::function<void(const fs::path& file)> make;
    std::size_t lines; // or, when ~0u, the read must fail
};

class BoundedRead : public DataDirTest, public testing::WithParamInterface<BoundedReadCase> {};

TEST_P(BoundedRead, StopsAtTheFirstNulAndNeverOutgrowsTheLimit) {
    GetParam().make(root_ / MeetingFile);
    const DataDir dir(root_, GetParam().limit);
    if (GetParam().lines == ~std::size_t{0}) {
        EXPECT_EQ(OpenMessage(dir, MeetingFile),
                  "ファイル " + (root_ / MeetingFile).string() + " は開けません");
        // The command line says why, with the file's size and the limit.
        try {
            LoadLines(dir, MeetingFile);
        } catch (const FileOpenError& e) {
            EXPECT_EQ(e.kind(), FailureKind::TooLarge);
            EXPECT_EQ(e.size, fs::file_size(root_ / MeetingFile));
            EXPECT_EQ(e.limit, GetParam().limit);
            EXPECT_EQ(e.place().path, (root_ / MeetingFile).string());
        }
    } else {
        EXPECT_EQ(LoadLines(dir, MeetingFile).size(), GetParam().lines);
    }
    // Whatever follows a NUL is never read, however large.
    EXPECT_LE(dir.bytesRead(), std::uint64_t{1} << 20);
}

void WriteBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

// Eight real lines, then a hole of zeros up to size: takes no disk space.
void SparseAfterEightLines(const fs::path& file, std::uintmax_t size) {
    WriteBytes(file, "0105\r\n0111\r\n0112\r\n0118\r\n0119\r\n0125\r\n0126\r\n0201\r\n");
    fs::resize_file(file, size);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BoundedRead,
    testing::Values(
        BoundedReadCase{
            "ThreeGigabyteHoleAfterTheText", DataDir::DefaultMaxTextBytes,
            [](const fs::path& f) { SparseAfterEightLines(f, std::uintmax_t{3} << 30); }, 8},
        BoundedReadCase{
            "TwelveGigabyteHoleAfterTheText", DataDir::DefaultMaxTextBytes,
            [](const fs::path& f) { SparseAfterEightLines(f, std::uintmax_t{12} << 30); }, 8},
        BoundedReadCase{"TextUpToTheLimit", 12,
                        [](const fs::path& f) { WriteBytes(f, "0105\r\n0111\r\n"); }, 2},
        BoundedReadCase{"TextPastTheLimit", 11,
                        [](const fs::path& f) { WriteBytes(f, "0105\r\n0111\r\n"); },
                        ~std::size_t{0}},
        BoundedReadCase{"LimitCountsOnlyTheTextBeforeTheNul", 6,
                        [](const fs::path& f) {
                            WriteBytes(f, std::string("0105\r\n\0", 7) + std::string(100, 'x'));
                        },
                        1},
        BoundedReadCase{"TextPastTheLimitInALaterPiece", 100'000,
                        [](const fs::path& f) { WriteBytes(f, std::string(100'001, 'x')); },
                        ~std::size_t{0}}),
    CaseName());

TEST_F(DataDirTest, AllBytesGoOnPastANulUnderTheSameLimit) {
    const std::string bytes = std::string("0105\r\n\0", 7) + "0111\r\n";
    WriteBytes(root_ / MeetingFile, bytes);
    EXPECT_EQ(DataDir(root_).LoadBytes(MeetingFile), "0105\r\n");
    EXPECT_EQ(DataDir(root_).LoadAllBytes(MeetingFile), bytes);
    const DataDir limited(root_, bytes.size() - 1);
    EXPECT_EQ(limited.LoadBytes(MeetingFile), "0105\r\n");
    EXPECT_THROW(limited.LoadAllBytes(MeetingFile), FileOpenError);
}

TEST_F(DataDirTest, AllBytesOfAFileLargerThanTheLimitAreNeverRead) {
    SparseAfterEightLines(root_ / MeetingFile, std::uintmax_t{3} << 30);
    const DataDir dir(root_);
    try {
        dir.LoadAllBytes(MeetingFile);
        ADD_FAILURE() << "read";
    } catch (const FileOpenError& e) {
        EXPECT_EQ(e.kind(), FailureKind::TooLarge);
        EXPECT_EQ(e.size, std::uint64_t{3} << 30);
    }
    EXPECT_EQ(dir.bytesRead(), 0u);
    // A file that is not there is another kind.
    try {
        dir.LoadBytes(CourseFile);
        ADD_FAILURE() << "read";
    } catch (const FileOpenError& e) {
        EXPECT_EQ(e.kind(), FailureKind::CannotOpen);
    }
}

#ifndef _WIN32
// The files below /proc exist on Linux only.
TEST(DataDirRead, NeverReadsPastTheSizeTheFileHadWhenOpened) {
    // The kernel's files report a size of 0 and still produce text: what a
    // file appended to while it is read looks like, without a race.
    EXPECT_EQ(DataDir("/proc/self").LoadBytes("status"), "");
}

#endif

// This program's path, wide on Windows; ExecutablePath gives it in UTF-8.
fs::path ThisProgram() {
#ifdef _WIN32
    std::wstring path(32768, L'\0');
    path.resize(::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path;
#else
    return fs::canonical("/proc/self/exe");
#endif
}

TEST(DataDirOfExecutable, IsTheDirectoryOfThisProgram) {
    const fs::path self = ThisProgram();
    EXPECT_EQ(ExecutablePath(), Utf8(self));
    EXPECT_EQ(DataDir::OfExecutable().directory(), self.parent_path());
}

#ifndef _WIN32
// Windows removes no running program's file.

TEST(DataDirOfExecutable, StaysTheProgramsDirectoryOnceTheProgramIsRemoved) {
    if (selfcopy::IsCopy("removed")) {
        // A package upgrade removes the running program's file.
        ::unlink(ExecutablePath().c_str());
        selfcopy::Report("path", ExecutablePath());
        selfcopy::Report("dir", DataDir::OfExecutable().directory().string());
        return;
    }
    const TempDir temp;
    const fs::path dir = temp.path() / "lib";
    const std::string output = selfcopy::RunCopy(dir, "removed");
    EXPECT_EQ(selfcopy::Reported(output, "dir"), dir.string());
    EXPECT_EQ(selfcopy::Reported(output, "path"),
              (dir / fs::canonical("/proc/self/exe").filename()).string());
}
#endif

TEST_F(DataDirTest, UnknownExecutableDirectoryReadsNothingElse) {
    // A meeting file in the working directory must not stand in for the
    // program's own.
    Write(root_, MeetingFile, "0105\r\n");
    const fs::path before = fs::current_path();
    fs::current_path(root_);
    const DataDir dir = DataDir::OfExecutable("");
    EXPECT_FALSE(dir.DataFileExists(MeetingFile));
    EXPECT_EQ(OpenMessage(dir, MeetingFile), "ファイル Cal1.dat は開けません");
    fs::current_path(before);
}

#ifndef _WIN32
// Where the user's seasons live, by the XDG base directory rules (a Windows
// path such as /x/data is not absolute: these rules are not that system's).
struct SeasonsPlaceCase {
    const char* name;
    const char* xdgDataHome;
    const char* home;
    const char* seasons;
};

class SeasonsPlace : public testing::TestWithParam<SeasonsPlaceCase> {};

TEST_P(SeasonsPlace, IsTheDataHomesTurvaneFolder) {
    EXPECT_EQ(XdgSeasonsDirectory(GetParam().xdgDataHome, GetParam().home).string(),
              GetParam().seasons);
}

INSTANTIATE_TEST_SUITE_P(
    Environments, SeasonsPlace,
    testing::Values(
        SeasonsPlaceCase{"DataHome", "/x/data", "/home/u", "/x/data/turvane"},
        SeasonsPlaceCase{"HomeWithoutDataHome", nullptr, "/home/u", "/home/u/.local/share/turvane"},
        SeasonsPlaceCase{"RelativeDataHomeIsIgnored", "data", "/home/u",
                         "/home/u/.local/share/turvane"},
        SeasonsPlaceCase{"EmptyDataHomeIsIgnored", "", "/home/u", "/home/u/.local/share/turvane"},
        SeasonsPlaceCase{"Neither", nullptr, "", ""}),
    CaseName());
#endif

TEST_F(DataDirTest, SeasonsAreTheYearFoldersHoldingAMeetingFile) {
    const fs::path seasons = root_ / "turvane";
    for (const char* folder : {"2027", "2003", "1999x", "0999", "2026"}) {
        Write(seasons / folder, MeetingFile, "0105\r\n");
    }
    fs::create_directories(seasons / "2028");
    Write(seasons, "2029", "a file, not a folder");
    EXPECT_EQ(ListSeasons(seasons), (std::vector<int>{2003, 2026, 2027}));
    EXPECT_EQ(ListSeasons(root_ / "none"), std::vector<int>{});
    EXPECT_EQ(SeasonFolder(seasons, ScheduleYear(2027)), seasons / "2027");
    EXPECT_EQ(YearFileText(ScheduleYear(2027)), "2027\n");
}

} // namespace
