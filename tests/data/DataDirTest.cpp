#include "data/DataDir.h"
#include "data/Errors.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace turvane;
namespace fs = std::filesystem;

namespace {

class DataDirTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "turvane-data-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
    }
    void TearDown() override { fs::remove_all(root_); }

    void Write(const fs::path& dir, const std::string& name, const std::string& bytes) {
        fs::create_directories(dir);
        std::ofstream(dir / name, std::ios::binary) << bytes;
    }

    static std::string OpenMessage(const DataDir& dir, const char* name) {
        try {
            dir.LoadLines(name);
        } catch (const FileOpenError& e) {
            return e.what();
        }
        return "(no failure)";
    }

    fs::path root_;
};

TEST_F(DataDirTest, LoadsTheLinesOfAFile) {
    Write(root_, "Cal1.dat", "0105a\r\n0111b\r\n");
    const DataDir dir(root_);
    EXPECT_TRUE(dir.DataFileExists("Cal1.dat"));
    const LineList lines = dir.LoadLines("Cal1.dat");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "0111b");
}

TEST_F(DataDirTest, MissingFileNamesItsFullPath) {
    const DataDir dir(root_);
    EXPECT_FALSE(dir.DataFileExists("Cal1.dat"));
    EXPECT_EQ(OpenMessage(dir, "Cal1.dat"),
              "ファイル " + (root_ / "Cal1.dat").string() + " は開けません");
}

TEST_F(DataDirTest, NonAsciiDirectoryShowsInTheMessage) {
    const fs::path japanese = root_ / "ユーザー" / "競馬";
    fs::create_directories(japanese);
    EXPECT_EQ(OpenMessage(DataDir(japanese), "Cal2.dat"),
              "ファイル " + root_.string() + "/ユーザー/競馬/Cal2.dat は開けません");
}

TEST_F(DataDirTest, NotARegularFileCountsAsMissing) {
    fs::create_directory(root_ / "Cal1.dat");
    ASSERT_EQ(::mkfifo((root_ / "Cal2.dat").c_str(), 0600), 0);
    fs::create_symlink(root_ / "nowhere", root_ / "jyuusyou.dat");
    const DataDir dir(root_);
    for (const char* name : {"Cal1.dat", "Cal2.dat", "jyuusyou.dat"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(dir.DataFileExists(name));
        // A pipe must fail at once rather than wait for a writer.
        EXPECT_EQ(OpenMessage(dir, name), "ファイル " + (root_ / name).string() + " は開けません");
    }
}

TEST_F(DataDirTest, OldFilesStillCount) {
    // Files unpacked from archives often carry a 1970 date.
    Write(root_, "Cal1.dat", "0105\r\n");
    fs::last_write_time(root_ / "Cal1.dat", fs::file_time_type(std::chrono::seconds(0)));
    EXPECT_TRUE(DataDir(root_).DataFileExists("Cal1.dat"));
}

TEST_F(DataDirTest, LinksAreFollowed) {
    Write(root_ / "real", "Cal1.dat", "0105\r\n");
    fs::create_directory(root_ / "bin");
    fs::create_symlink(root_ / "real" / "Cal1.dat", root_ / "bin" / "Cal1.dat");
    const DataDir dir(root_ / "bin");
    EXPECT_TRUE(dir.DataFileExists("Cal1.dat"));
    EXPECT_EQ(dir.LoadLines("Cal1.dat").size(), 1u);
}

TEST(DataDirOfExecutable, IsTheDirectoryOfThisProgram) {
    const fs::path self = fs::canonical("/proc/self/exe");
    EXPECT_EQ(DataDir::OfExecutable().directory(), self.parent_path());
}

} // namespace
