#include "CalendarExportWindow.h"
#include "TestData.h"
#include "core/DataFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
}
