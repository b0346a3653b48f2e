#include "Season.h"

#include "CommandLine.h"
#include "core/DataDir.h"
#include "core/DataFiles.h"
#include "core/Errors.h"
#include "core/FileSource.h"
#include "core/Platform.h"
#include "core/Seasons.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <exception>

namespace {

namespace fs = std::filesystem;

QString Shown(const fs::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

// The season of today's year under the seasons directory, if there is one.
std::optional<fs::path> SeasonOfToday(const CommandLine& command, const fs::path& seasons) {
    const int year = TodayFor(command)().year;
    if (seasons.empty() || year < turvane::ScheduleYear::First ||
        year > turvane::ScheduleYear::Last) {
        return std::nullopt;
    }
    const fs::path folder = turvane::SeasonFolder(seasons, turvane::ScheduleYear(year));
    if (!turvane::IsRegularFile(folder / turvane::MeetingFile)) {
        return std::nullopt;
    }
    return folder;
}

void Say(const QString& message) {
    std::fputs((QStringLiteral("turvane: ") + message + QLatin1Char('\n')).toUtf8().constData(),
               stderr);
}

} // namespace

void ChooseSeason(CommandLine& command, const fs::path& seasons) {
    if (command.action == CommandLine::Action::ImportCsv) {
        return;
    }
    if (!command.dataDir.isEmpty()) {
        command.origin = DataOrigin::DataOption;
    } else if (const std::optional<fs::path> folder = SeasonOfToday(command, seasons)) {
        command.origin = DataOrigin::UserSeason;
        command.dataDir = Shown(*folder);
    } else {
        command.origin = DataOrigin::BesideExecutable;
    }
    if (command.yearGiven) {
        return;
    }
    const std::shared_ptr<const turvane::FileSource> files = FilesFor(command);
    try {
        const turvane::RecordedYear recorded = turvane::ReadRecordedYear(*files);
        if (recorded.year) {
            command.year = *recorded.year;
        } else if (recorded.present) {
            command.seasonProblem =
                QCoreApplication::translate(
                    "CommandLine",
                    "%1 holds '%2', not a year; write the season's year in four digits "
                    "there, such as 2027, or give --year")
                    .arg(QString::fromStdString(files->PathOf(turvane::YearFile)),
                         QString::fromUtf8(recorded.text.c_str()));
        }
    } catch (const std::exception& error) {
        command.seasonProblem = QString::fromUtf8(error.what());
    }
}

void ChooseSeason(CommandLine& command) {
    ChooseSeason(command, turvane::UserSeasonsDirectory());
}

int ListSeasonsCommand(const CommandLine& command, const fs::path& seasons) {
    for (const int year : turvane::ListSeasons(seasons)) {
        const QString line = QStringLiteral("%1 %2\n").arg(year).arg(
            Shown(turvane::SeasonFolder(seasons, turvane::ScheduleYear(year))));
        std::fputs(line.toUtf8().constData(), stdout);
    }
    std::fflush(stdout);
    const int today = TodayFor(command)().year;
    if (const std::optional<fs::path> folder = SeasonOfToday(command, seasons)) {
        Say(QCoreApplication::translate("CommandLine",
                                        "started without --data, the program shows the season of "
                                        "%1, today's year: '%2'")
                .arg(today)
                .arg(Shown(*folder)));
        return 0;
    }
    const QString beside = Shown(turvane::DataDir::OfExecutable().directory());
    if (seasons.empty()) {
        Say(QCoreApplication::translate("CommandLine",
                                        "started without --data, the program shows the files "
                                        "beside it: '%1'")
                .arg(beside));
        return 0;
    }
    Say(QCoreApplication::translate("CommandLine",
                                    "started without --data, the program shows the files beside "
                                    "it, '%1', as '%2' holds no season of %3, today's year; "
                                    "--import-csv FILE makes one")
            .arg(beside, Shown(seasons))
            .arg(today));
    return 0;
}
