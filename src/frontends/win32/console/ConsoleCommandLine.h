#pragma once

// The Windows program's command line: the options the Linux program has
// that this build can carry out, read the same way and refused with the
// same words.

#include "ConsoleTexts.h"
#include "core/DateKeys.h"
#include "core/Today.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace turvane::win {

struct Command {
    enum class Action { ShowWindow, Help, Version, Check, UsageError };

    Action action = Action::ShowWindow;
    // Where the data files are read from; none for the user's season of
    // today's year or else the executable's folder.
    std::optional<std::filesystem::path> dataDir;
    // The day shown as today; none for the system's date.
    std::optional<CivilDate> date;
    // The year the files describe; none for the one their year file records.
    std::optional<ScheduleYear> year;
    // The help or version text, or the usage error in one line (UTF-8).
    std::string text;
};

// Parses the arguments, the program's name first.
Command ParseCommandLine(const std::vector<std::wstring>& arguments, Language language);

// The arguments of this process, as the system split them.
std::vector<std::wstring> ProcessArguments();

} // namespace turvane::win
