#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace turvane {

struct NewFile {
    std::string name; // within the directory
    std::string bytes;
};

struct NewFilesResult {
    enum class Status { Written, AlreadyExist, Failed };
    Status status = Status::Failed;
    // The files that exist already, or the one that could not be written.
    std::vector<std::filesystem::path> paths;
    // Why, when it failed: the system's words.
    std::string reason;
};

// Writes files that do not exist yet into directory (made first, with its
// parents, when missing): all of them or none. If any of them exists,
// nothing is written. Each is written in full to a temporary name in the
// directory, and they take their names only once all are complete; a file
// that appears under one of the names meanwhile is never replaced, and the
// ones already in place are taken back.
NewFilesResult WriteNewFiles(const std::filesystem::path& directory,
                             const std::vector<NewFile>& files);

} // namespace turvane
