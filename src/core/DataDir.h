#pragma once

#include "FileSource.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace turvane {

// The path of the running executable, as the system reports it, without the
// " (deleted)" the system adds once the file was removed (a package upgrade
// does that to a running program). Empty when it cannot be determined.
std::string ExecutablePath();

// The directory the data files are read from: the running executable's own
// directory, or any other one handed in (tests use temporary directories).
class DataDir : public FileSource {
public:
    // A year's schedule is a few kilobytes and a million meeting days under
    // 100 MB; a file whose text runs past this is refused rather than read
    // until memory runs out.
    static constexpr std::size_t DefaultMaxTextBytes = std::size_t{256} << 20;

    explicit DataDir(std::filesystem::path directory,
                     std::size_t maxTextBytes = DefaultMaxTextBytes)
        : directory_(std::move(directory)), maxTextBytes_(maxTextBytes) {}

    // The directory of the executable at executablePath (the system's path,
    // links already resolved, so a program started through a link in a bin
    // directory still finds its data). Without a path nothing can be read:
    // every read fails with the file's cannot-open message, and no other
    // directory stands in for it.
    static DataDir OfExecutable(std::string_view executablePath = ExecutablePath());

    const std::filesystem::path& directory() const { return directory_; }

    std::string PathOf(std::string_view name) const override;

    // Directories, pipes and dangling links count as missing; the file's date
    // does not matter.
    bool DataFileExists(std::string_view name) const override;

    // Reads in pieces and stops at the first NUL, never past the size the file
    // had when it was opened (a file that keeps growing cannot keep the
    // program reading), and throws FileOpenError when the text before any NUL
    // exceeds the limit (kind TooLarge, with the file's size and the limit),
    // the file cannot be opened, or it is not a regular file; never blocks on
    // a pipe.
    std::string LoadBytes(std::string_view name) const override;

    // The same limits, applied to the whole file: one larger than the limit
    // is refused without being read.
    std::string LoadAllBytes(std::string_view name) const override;

    // Bytes taken from files so far by every read through this object.
    std::uint64_t bytesRead() const { return bytesRead_; }

private:
    std::string Read(std::string_view name, bool stopAtNul) const;

    std::filesystem::path directory_;
    std::size_t maxTextBytes_;
    mutable std::uint64_t bytesRead_ = 0;
};

} // namespace turvane
