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

// Random bytes, any but NUL (which would end the text at once).
std::string Noise(std::size_t size) {
    std::mt19937 random(20031228);
    std::string bytes(size, '\0');
    for (char& b : bytes) {
        b = static_cast<char>(1 + random() % 255);
    }
    return bytes;
}

TEST_F(DamagedData, PureNoiseShowsWhatItCanAndNamesTheBadDate) {
    const std::string noise = "ab" + Noise(20000);
    for (const std::string_view name :
         {turvane::MeetingFile, turvane::CourseFile, turvane::RaceFile}) {
        dir_.Write(name, noise);
    }
    OpenMain();
    const turvane::LineList lines = turvane::LineList::Split(noise);
    ASSERT_GT(lines.size(), 1u);
    EXPECT_EQ(Grid("StringGrid1")->rowCount(), static_cast<int>(lines.size()));
    EXPECT_EQ(Grid("StringGrid2")->rowCount(), static_cast<int>(lines.size()) + 1);
    // The panel stops at the first line whose date is not a number.
    ASSERT_EQ(errors().size(), 1);
    const std::string key = turvane::DateKey(lines[0], turvane::ScheduleYear());
    EXPECT_EQ(errors()[0],
              QString::fromStdString("'" + turvane::Cp932ToUtf8(key) + "' は整数ではありません."));

    TForm2 list(ctx_->context);
    EXPECT_EQ(errors().size(), 2);
}

TEST_F(DamagedData, BrokenDoubleByteCharactersShowAsReplacementCharacters) {
    // A pair code page 932 does not define inside the label, and a line cut
    // in the middle of its last character.
    dir_.Write(turvane::MeetingFile, "0517"
                                     "\x81\x9f\x85\x80\x8b\x9e 2" +
                                         Kai +
                                         "8\x93"
                                         "\r\n");
    dir_.Write(turvane::CourseFile, "0517\r\n");
    OpenMain();
    EXPECT_TRUE(errors().isEmpty());
    EXPECT_EQ(Grid("StringGrid1")->cell(1, 0), QStringLiteral("◆\ufffd京 ２回 ８\ufffd"));
    EXPECT_EQ(Text("Edit1"), QStringLiteral("◆\ufffd京 ２回 ８\ufffd"));
}

TEST_F(DamagedData, NulInTheFirstByteMakesAnEmptyFile) {
    dir_.CopySampleYear();
    dir_.Write(turvane::MeetingFile, std::string(1, '\0') + "0517" + Meeting(Tokyo, '2', '8'));
    OpenMain();
    EXPECT_TRUE(errors().isEmpty());
    EXPECT_EQ(Grid("StringGrid1")->rowCount(), 130);
    EXPECT_EQ(Grid("StringGrid1")->cell(0, 0), "");
    EXPECT_EQ(Text("Edit1"), "");
    EXPECT_EQ(Text("Edit4"), "");
}

TEST_F(DamagedData, TenMegabyteLineIsOneRow) {
    std::string line = "0517" + Meeting(Tokyo, '2', '8');
    line.resize(10 * 1024 * 1024, 'x');
    dir_.Write(turvane::MeetingFile, line);
    dir_.Write(turvane::CourseFile, line);
    dir_.Write(turvane::RaceFile, line);
    OpenMain();
    EXPECT_TRUE(errors().isEmpty());
    EXPECT_EQ(Grid("StringGrid1")->rowCount(), 1);
    EXPECT_EQ(Grid("StringGrid1")->cell(1, 0), QStringLiteral("◆東京 ２回 ８日目"));
    EXPECT_EQ(Grid("StringGrid1")->cell(2, 0), QStringLiteral("xxxxxxxｘxxxｘxxxx"));
    EXPECT_EQ(Text("Edit1"), QStringLiteral("◆東京 ２回 ８日目"));
    // Its race slots hold "xxxx" names that match no meeting: column 3.
    TForm2 list(ctx_->context);
    EXPECT_TRUE(errors().isEmpty());
    EXPECT_EQ(list.findChild<StringGrid*>("StringGrid1")->cell(3, 0), QString(38, 'x'));
}

TEST_F(DamagedData, AMillionLinesFillAMillionRows) {
    std::string calendar;
    calendar.reserve(6'000'000);
    for (int i = 0; i < 1'000'000; ++i) {
        calendar += "0105\r\n";
    }
    dir_.Write(turvane::MeetingFile, calendar);
    dir_.Write(turvane::CourseFile, calendar);
    OpenMain({2003, 1, 5});
    EXPECT_TRUE(errors().isEmpty());
    EXPECT_EQ(Grid("StringGrid1")->rowCount(), 1'000'000);
    EXPECT_EQ(Grid("StringGrid2")->rowCount(), 1'000'001);
    EXPECT_EQ(Grid("StringGrid1")->cell(0, 999'999), QStringLiteral("　１月　５日"));
    EXPECT_EQ(Text("Edit4"), "本年の開催はありません");
}

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

struct SignedDateCase {
    const char* name;
    const char* date;
};

class SignedDates : public DamagedData, public testing::WithParamInterface<SignedDateCase> {};

TEST_P(SignedDates, AreNoNumbersOnceTheYearStandsBeforeThem) {
    dir_.Write(turvane::MeetingFile,
               std::string(GetParam().date) + Meeting(Tokyo, '1', '1') + "\r\n");
    dir_.Write(turvane::CourseFile, "0105\r\n");
    OpenMain();
    EXPECT_EQ(Grid("StringGrid1")->rowCount(), 1);
    EXPECT_EQ(errors(), QStringList{QStringLiteral("'2003%1' は整数ではありません.")
                                        .arg(QString::fromLatin1(GetParam().date))});
}

INSTANTIATE_TEST_SUITE_P(Dates, SignedDates,
                         testing::Values(SignedDateCase{"PlusAndBlank", "+1 5"},
                                         SignedDateCase{"Minus", "-001"},
                                         SignedDateCase{"LeadingBlank", " 105"}),
                         CaseName());

TEST_F(DamagedData, MeetingFileReplacedBetweenItsTwoReads) {
    dir_.CopySampleYear();
    // The meeting grid reads the sample year; by the time the panel reads the
    // file again, it holds one other day.
    dir_.files().WriteNextVersion(turvane::MeetingFile,
                                  "0517" + Meeting(Hanshin, '9', '9') + "\r\n");
    OpenMain({2003, 5, 17});
    EXPECT_EQ(dir_.files().ReadCount(turvane::MeetingFile), 2);
    EXPECT_TRUE(errors().isEmpty());
    EXPECT_EQ(Grid("StringGrid1")->rowCount(), 110);               // the first read
    EXPECT_EQ(Text("Edit1"), QStringLiteral("◆阪神 ９回 ９日目")); // the second read
    EXPECT_EQ(Grid("StringGrid1")->row(), 0);
}

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
