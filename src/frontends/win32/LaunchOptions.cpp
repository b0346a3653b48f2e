#include "LaunchOptions.h"

#include <stdexcept>

namespace {

std::optional<int> Number(std::wstring_view text) {
    if (text.empty() || text.size() > 9) {
        return std::nullopt;
    }
    int value = 0;
    for (const wchar_t c : text) {
        if (c < L'0' || c > L'9') {
            return std::nullopt;
        }
        value = value * 10 + (c - L'0');
    }
    return value;
}

std::optional<turvane::CivilDate> Date(std::wstring_view text) {
    if (text.size() != 10 || text[4] != L'-' || text[7] != L'-') {
        return std::nullopt;
    }
    const auto year = Number(text.substr(0, 4));
    const auto month = Number(text.substr(5, 2));
    const auto day = Number(text.substr(8, 2));
    if (!year || !month || !day || *year < turvane::ScheduleYear::First) {
        return std::nullopt;
    }
    if (!turvane::ScheduleYear(*year).HasDay(*month, *day)) {
        return std::nullopt;
    }
    return turvane::CivilDate{*year, *month, *day};
}

} // namespace

LaunchOptions ParseLaunchOptions(std::span<const std::wstring_view> arguments) {
    LaunchOptions options;
    for (std::size_t i = 0; i < arguments.size() && options.badArgument.empty(); ++i) {
        std::wstring_view name = arguments[i];
        std::optional<std::wstring_view> value;
        if (const auto equals = name.find(L'='); name.starts_with(L"--") && equals != name.npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
        } else if (i + 1 < arguments.size()) {
            value = arguments[i + 1];
        }
        const bool separate = name.size() == arguments[i].size();
        bool understood = value.has_value();
        if (understood && name == L"--data") {
            options.dataDir = std::filesystem::path(std::wstring(*value));
        } else if (understood && name == L"--date") {
            options.date = Date(*value);
            understood = options.date.has_value();
        } else if (understood && name == L"--year") {
            const auto year = Number(*value);
            try {
                options.year = turvane::ScheduleYear(year.value_or(0));
            } catch (const std::out_of_range&) {
                understood = false;
            }
        } else {
            understood = false;
        }
        if (!understood) {
            options.badArgument = std::wstring(arguments[i]);
        } else if (separate) {
            ++i;
        }
    }
    return options;
}
