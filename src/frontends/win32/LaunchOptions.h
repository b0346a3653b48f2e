#pragma once

// The few options the windows take: where the data files are, which day is
// today, which year the files describe.

#include "core/DateKeys.h"
#include "core/Today.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

struct LaunchOptions {
    std::optional<std::filesystem::path> dataDir;
    std::optional<turvane::CivilDate> date;
    std::optional<turvane::ScheduleYear> year;
    // The argument that could not be understood; empty when all were.
    std::wstring badArgument;
};

// --data DIR, --date YYYY-MM-DD, --year N (also --name=value).
LaunchOptions ParseLaunchOptions(std::span<const std::wstring_view> arguments);
