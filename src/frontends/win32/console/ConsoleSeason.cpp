#include "ConsoleSeason.h"

#include "core/Platform.h"

namespace turvane::win {

SeasonChoice ChooseSeason(const std::optional<std::filesystem::path>& dataDir,
                          const std::optional<ScheduleYear>& year, const CivilDate& today) {
    return ResolveSeason(dataDir, year, today.year, UserSeasonsDirectory());
}

std::optional<std::string> SeasonProblem(const SeasonChoice& season, Language language) {
    if (!season.readFailure.empty()) {
        return season.readFailure;
    }
    if (!season.recorded.present || season.recorded.year) {
        return std::nullopt;
    }
    return Format(
        Translate(language, "CommandLine",
                  QT_TRANSLATE_NOOP("CommandLine",
                                    "%1 holds '%2', not a year; write the season's year "
                                    "in four digits there, such as 2027, or give --year")),
        {season.files().PathOf(YearFile), season.recorded.text});
}

} // namespace turvane::win
