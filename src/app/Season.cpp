#include "Season.h"

#include "CommandLine.h"
#include "core/DataDir.h"
#include "core/Platform.h"
#include "core/Seasons.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace {

namespace fs = std::filesystem;

QString Shown(const fs::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

// The season of today's year under the seasons directory, if there is one.
std::optional<fs::path> SeasonOfToday(const CommandLine& command, const fs::path& seasons) {
    return turvane::SeasonOfYear(seasons, TodayFor(command)().year);
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
    std::optional<fs::path> given;
    if (!command.dataDir.isEmpty()) {
        given = fs::path(QFile::encodeName(command.dataDir).toStdString());
    }
    const turvane::SeasonChoice season = turvane::ResolveSeason(
        given, command.yearGiven ? std::optional(command.year) : std::nullopt,
        TodayFor(command)().year, seasons);
    command.origin = given               ? DataOrigin::DataOption
                     : season.userSeason ? DataOrigin::UserSeason
                                         : DataOrigin::BesideExecutable;
    if (season.userSeason) {
        command.dataDir = Shown(season.dataDir);
    }
    command.year = season.year;
    if (!season.readFailure.empty()) {
        command.seasonProblem = QString::fromUtf8(season.readFailure.c_str());
    } else if (season.recorded.present && !season.recorded.year) {
        command.seasonProblem =
            QCoreApplication::translate(
                "CommandLine", "%1 holds '%2', not a year; write the season's year in four digits "
                               "there, such as 2027, or give --year")
                .arg(QString::fromStdString(season.files().PathOf(turvane::YearFile)),
                     QString::fromUtf8(season.recorded.text.c_str()));
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
