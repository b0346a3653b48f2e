#pragma once

// Which season a start reads, for the windows and the command line alike,
// and why its year file leaves the year unknown when it does.

#include "ConsoleTexts.h"
#include "core/Seasons.h"

#include <filesystem>
#include <optional>
#include <string>

namespace turvane::win {

// The season of --data (none: the user's season of today's year, or else
// the folder of the program) and --year (none: the year file's, or 2003).
SeasonChoice ChooseSeason(const std::optional<std::filesystem::path>& dataDir,
                          const std::optional<ScheduleYear>& year, const CivilDate& today);

// Why the season's year file could not say the year, in one line (UTF-8) in
// the user's language; none when it could, or when --year named the year.
std::optional<std::string> SeasonProblem(const SeasonChoice& season, Language language);

} // namespace turvane::win
