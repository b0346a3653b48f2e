#pragma once

#include "LineList.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace turvane {

// The directory the data files are read from: the running executable's own
// directory, or any other one handed in (tests use temporary directories).
class DataDir {
public:
    explicit DataDir(std::filesystem::path directory) : directory_(std::move(directory)) {}

    // The directory of the running executable, symbolic links resolved, so a
    // program started through a link in a bin directory still finds its data.
    static DataDir OfExecutable();

    const std::filesystem::path& directory() const { return directory_; }

    // The full path of a data file, as shown in messages.
    std::string PathOf(std::string_view name) const;

    // Whether name is an existing regular file (links followed). Directories,
    // pipes and dangling links count as missing; the file's date does not matter.
    bool DataFileExists(std::string_view name) const;

    // Reads the whole file and splits it into lines. Throws FileOpenError when
    // it cannot be opened or is not a regular file; never blocks on a pipe.
    LineList LoadLines(std::string_view name) const;

private:
    std::filesystem::path directory_;
};

} // namespace turvane
