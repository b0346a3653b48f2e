#include "CaseName.h"
#include "GUnit.h"
#include "TestData.h"
#include "core/Cp932.h"
#include "core/DataFiles.h"
#include "core/DateKeys.h"
#include "core/LineList.h"
#include "grid/StringGrid.h"
#include "mainUnit.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

using namespace cp932text;
namespace fs = std::filesystem;

namespace {

// What users' hand-edited, copied and half-downloaded data files look like:
// in memory, or on disk where only a file system can do the damage.
template <typename Dir> class DamagedDataIn : public WindowTestOn<Dir> {
protected:
    DamagedDataIn() { this->defaultToday_ = {2003, 5, 17}; }
    QString OpenError(std::string_view name) const {
        return QString::fromStdString("ファイル " + this->dir_.PathOf(name) + " は開けません.");
    }
};
using DamagedData = DamagedDataIn<MemoryDataDir>;
using DamagedDataOnDisk = DamagedDataIn<TempDataDir>;

struct NotAFileCase {
    const char* name;
    void (*make)(const fs::path& path);
};

class NotAFile : public DamagedDataOnDisk, public testing::WithParamInterface<NotAFileCase> {};

TEST_P(NotAFile, NamedLikeTheMeetingFileCountsAsMissing) {
    dir_.CopySampleYear();
    fs::remove(dir_.path() / turvane::MeetingFile);
    GetParam().make(dir_.path() / turvane::MeetingFile);
    // A pipe that held up the start would leave the test to its time limit.
    OpenMain();
    EXPECT_EQ(Grid("StringGrid1")->rowCount(), 130);
    EXPECT_EQ(Grid("StringGrid1")->cell(0, 0), "");
    EXPECT_EQ(errors(), QStringList{OpenError(turvane::MeetingFile)});

    TForm2 list(ctx_->context);
    EXPECT_EQ(errors().size(), 2);
    EXPECT_EQ(errors().back(), OpenError(turvane::MeetingFile));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, NotAFile,
    testing::Values(NotAFileCase{"Directory", [](const fs::path& p) { fs::create_directory(p); }},
                    NotAFileCase{"DanglingLink",
                                 [](const fs::path& p) { fs::create_symlink("gone.dat", p); }},
                    // A pipe nobody writes to must not hold up the start.
                    NotAFileCase{"Fifo", [](const fs::path& p) { ::mkfifo(p.c_str(), 0600); }}),
    CaseName());

// Name, size, modification time and bytes of every file in a directory.
std::map<std::string, std::string> Snapshot(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(dir)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        struct stat info {};
        ::stat(entry.path().c_str(), &info);
        files[entry.path().filename().string()] = std::to_string(info.st_mtim.tv_sec) + "." +
                                                  std::to_string(info.st_mtim.tv_nsec) + ":" +
                                                  bytes;
    }
    return files;
}

TEST_F(DamagedDataOnDisk, NothingIsEverWritten) {
    dir_.CopySampleYear();
    const auto before = Snapshot(dir_.path());
    OpenMain();
    main_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main_.get()));
    {
        TForm2 list(ctx_->context, main_.get());
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
        list.close();
    }
    main_->close();
    EXPECT_EQ(Snapshot(dir_.path()), before);
}

TEST_F(DamagedData, OpeningTheListTwoHundredTimesLeavesNothingBehind) {
    dir_.CopySampleYear();
    OpenMain();
    const auto childrenBefore = main_->children().size();
    for (int i = 0; i < 200; ++i) {
        TForm2 list(ctx_->context, main_.get());
        list.show();
        list.close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(main_->children().size(), childrenBefore);
    EXPECT_TRUE(errors().isEmpty());
}

} // namespace
