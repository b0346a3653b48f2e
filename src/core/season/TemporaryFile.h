#pragma once

// The system's half of writing files whole, defined in NewFiles_posix.cpp
// and NewFiles_win.cpp; NewFiles.cpp builds the rules on it.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace turvane {

class FileCalls;

// A file written in full and on disk, not yet under the name it is for.
// Whatever has not been placed is gone with the object. Every call returns
// 0, or the errno value of what failed.
class Temporary {
public:
    Temporary(FileCalls& calls, std::filesystem::path directory, std::string name)
        : calls_(calls), directory_(std::move(directory)), name_(std::move(name)) {}
    ~Temporary();
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;

    int Write(std::string_view bytes);
    // Gives the file the name target, replacing a file of that name.
    int Replace(const std::filesystem::path& target);
    // Gives the file the name target, never replacing a file of that name
    // (EEXIST then).
    int PlaceNew(const std::filesystem::path& target);

private:
    FileCalls& calls_;
    std::filesystem::path directory_;
    std::string name_;
    std::intptr_t handle_ = -1;  // the open file
    std::filesystem::path path_; // empty while the file has no name
};

// Makes the names given in directory outlast a crash, where the system can.
void SyncDirectory(const std::filesystem::path& directory);

// Takes a file placed by this program back.
void RemoveFile(const std::filesystem::path& path);

} // namespace turvane
