#include "Seasons.h"

#include "DataFiles.h"
#include "FileSource.h"
#include "Platform.h"

#include <algorithm>
#include <exception>

namespace turvane {

namespace {

bool IsYearText(std::string_view text) {
    return text.size() == 4 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
           std::stoi(std::string(text)) >= ScheduleYear::First;
}

} // namespace

std::string YearFileText(ScheduleYear year) {
    return std::string(year.text()) + "\n";
}

RecordedYear ReadRecordedYear(const FileSource& files) {
    RecordedYear recorded;
    if (!files.DataFileExists(YearFile)) {
        return recorded;
    }
    recorded.present = true;
    std::string_view text;
    const std::string bytes = files.LoadBytes(YearFile);
    text = bytes;
    if (text.substr(0, 3) == "\xef\xbb\xbf") {
        text.remove_prefix(3);
    }
    constexpr std::string_view Blanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(Blanks);
    text = first == std::string_view::npos
               ? std::string_view()
               : text.substr(first, text.find_last_not_of(Blanks) - first + 1);
    recorded.text = std::string(text.substr(0, 40));
    if (IsYearText(text)) {
        recorded.year = ScheduleYear(std::stoi(std::string(text)));
    }
    return recorded;
}

std::filesystem::path XdgSeasonsDirectory(const char* xdgDataHome, const char* home) {
    // Relative paths in the variable are to be ignored, as the base
    // directory rules say.
    if (xdgDataHome != nullptr && std::filesystem::path(xdgDataHome).is_absolute()) {
        return std::filesystem::path(xdgDataHome) / "turvane";
    }
    if (home != nullptr && *home != '\0') {
        return std::filesystem::path(home) / ".local" / "share" / "turvane";
    }
    return {};
}

std::filesystem::path SeasonFolder(const std::filesystem::path& seasons, ScheduleYear year) {
    return seasons / std::string(year.text());
}

std::optional<std::filesystem::path> SeasonOfYear(const std::filesystem::path& seasons, int year) {
    if (seasons.empty() || year < ScheduleYear::First || year > ScheduleYear::Last) {
        return std::nullopt;
    }
    std::filesystem::path folder = SeasonFolder(seasons, ScheduleYear(year));
    if (!IsRegularFile(folder / MeetingFile)) {
        return std::nullopt;
    }
    return folder;
}

SeasonChoice ResolveSeason(const std::optional<std::filesystem::path>& dataDir,
                           const std::optional<ScheduleYear>& year, int todayYear,
                           const std::filesystem::path& seasons) {
    SeasonChoice choice;
    if (dataDir) {
        choice.dataDir = *dataDir;
    } else if (std::optional<std::filesystem::path> folder = SeasonOfYear(seasons, todayYear)) {
        choice.dataDir = std::move(*folder);
        choice.userSeason = true;
    }
    if (year) {
        choice.year = *year;
        return choice;
    }
    try {
        choice.recorded = ReadRecordedYear(choice.files());
    } catch (const std::exception& error) {
        choice.readFailure = error.what();
    }
    if (choice.recorded.year) {
        choice.year = *choice.recorded.year;
    }
    return choice;
}

DataDir SeasonChoice::files() const {
    return dataDir.empty() ? DataDir::OfExecutable() : DataDir(dataDir);
}

std::vector<int> ListSeasons(const std::filesystem::path& seasons) {
    std::vector<int> years;
    std::error_code error;
    if (seasons.empty()) {
        return years;
    }
    for (std::filesystem::directory_iterator it(seasons, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (IsYearText(name) && IsRegularFile(it->path() / MeetingFile)) {
            years.push_back(std::stoi(name));
        }
    }
    std::sort(years.begin(), years.end());
    return years;
}

} // namespace turvane
