#pragma once

// Every file the program writes is written whole or not at all: the one
// place that knows how.

#include <filesystem>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace turvane {

// The system calls a whole-file write makes, one by one, so that a test can
// make any of them fail as a full disk or a vanished folder would.
class FileCalls {
public:
    virtual ~FileCalls() = default;
    virtual int open(const char* path, int flags, mode_t mode);
    virtual ssize_t write(int fd, const void* data, std::size_t size);
    virtual int fsync(int fd);
    // Gives the file open as fd the name path; fails when path exists.
    virtual int link(int fd, const char* path);
    virtual int rename(const char* from, const char* to);
};

// The real ones.
FileCalls& SystemFileCalls();

// Writes bytes to path, replacing a file that is there only once all of them
// are on disk. On failure, the errno value; 0 when written. Whatever fails,
// the file that was there stays as it was and nothing else is left behind.
int ReplaceFile(const std::filesystem::path& path, std::string_view bytes,
                FileCalls& calls = SystemFileCalls());

struct NewFile {
    std::string name; // within the directory
    std::string bytes;
};

struct NewFilesResult {
    enum class Status { Written, AlreadyExist, Failed };
    Status status = Status::Failed;
    // The files that exist already, or the one that could not be written.
    std::vector<std::filesystem::path> paths;
    // Why, when it failed: an errno value.
    int error = 0;
};

// Writes files that do not exist yet into directory (made first, with its
// parents, when missing): all of them or none. If any of them exists,
// nothing is written; a file that appears under one of the names meanwhile is
// never replaced, and the ones already in place are taken back.
NewFilesResult WriteNewFiles(const std::filesystem::path& directory,
                             const std::vector<NewFile>& files,
                             FileCalls& calls = SystemFileCalls());

} // namespace turvane
