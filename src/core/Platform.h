#pragma once

// The system calls the core makes, behind small declarations: each is
// defined once per system, in Platform_posix.cpp and Platform_win.cpp.

#include "Today.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace turvane {

// A file open for reading, only if it is a regular file; closed with the
// object. Opening never blocks, not even on a pipe.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const std::filesystem::path& path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    // Whether the file is open and is a regular file.
    bool isOpen() const { return open_; }
    // Its size when it was opened.
    std::uint64_t size() const { return size_; }

    // Reads at most size bytes into buffer: how many, 0 at the end, -1 when
    // the system failed.
    long long read(char* buffer, std::size_t size);

private:
    std::intptr_t handle_ = -1;
    bool open_ = false;
    std::uint64_t size_ = 0;
};

// Whether path names a regular file (links followed).
bool IsRegularFile(const std::filesystem::path& path);

// The running executable's path from the system, UTF-8; empty when unknown.
std::string SystemExecutablePath();

// The local date from the system clock.
CivilDate LocalDate();

// The directory of the user's own seasons, one folder per year
// (core/Seasons.h); empty when the system names no place for them.
std::filesystem::path UserSeasonsDirectory();

} // namespace turvane
