#include "CalendarExportWindow.h"
#include "TestData.h"
#include "core/DataFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

// The writing half of the menu entry: a written file, or the error box.
TEST(CalendarExportWindow, WritesTheFileOrShowsTheErrorBox) {
    MemoryDataDir dir;
    dir.CopySampleYear();
    TestContext ctx(dir.source(), {2003, 5, 17});
    ctx.context.year = turvane::ScheduleYear(2004);
    QTemporaryDir target;
    const QString path = target.filePath(QStringLiteral("turvane-2004.ics"));
    ASSERT_TRUE(ExportCalendarTo(path, ctx.context, true));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray ics = file.readAll();
    EXPECT_TRUE(ics.contains("\r\nNAME:Turvane 2004 重賞日程\r\n"));
    EXPECT_FALSE(ics.contains("-meeting-"));
    EXPECT_TRUE(ctx.errors->isEmpty());

    dir.Remove(turvane::RaceFile);
    EXPECT_FALSE(ExportCalendarTo(path, ctx.context, false));
    EXPECT_EQ(*ctx.errors,
              QStringList{QStringLiteral("ファイル /memory/jyuusyou.dat は開けません.")});
    file.seek(0);
    EXPECT_EQ(file.readAll(), ics);

    // A full disk, and a folder where the file would go: the box says why,
    // in Japanese, and the file stays as it was with nothing beside it.
    dir.CopySampleYear();
    ctx.errors->clear();
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit small{4096, limit.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = ExportCalendarTo(path, ctx.context, false);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
    EXPECT_FALSE(ExportCalendarTo(target.path(), ctx.context, false));
    EXPECT_EQ(*ctx.errors,
              (QStringList{"'" + path + "' に書き込めません: ファイルが許される大きさを超えます.",
                           "'" + target.path() + "' に書き込めません: フォルダーです."}));
    file.seek(0);
    EXPECT_EQ(file.readAll(), ics);
    EXPECT_EQ(QDir(target.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("turvane-2004.ics")});

    // A date that is no day of the year: the command line's advice, in the
    // windows' language whatever the locale.
    ctx.errors->clear();
    std::string calendar = dir.files().LoadAllBytes(turvane::MeetingFile);
    calendar.replace(0, 4, "1399");
    dir.Write(turvane::MeetingFile, calendar);
    EXPECT_FALSE(ExportCalendarTo(path, ctx.context, false));
    EXPECT_EQ(*ctx.errors, QStringList{QStringLiteral(
                               "/memory/Cal1.dat:1:1: 日付 '1399' は 2004 年にない日です。"
                               "ファイルの問題は 'turvane --check' ですべて確認できます.")});
}
