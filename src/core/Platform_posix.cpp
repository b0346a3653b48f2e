#include "Platform.h"

#include "Seasons.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

namespace turvane {

ReadOnlyFile::ReadOnlyFile(const std::filesystem::path& path) {
    // O_NONBLOCK keeps a pipe named like a data file from stalling start-up;
    // it is refused below as not a regular file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    handle_ = fd;
    struct stat info {};
    open_ = fd >= 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    size_ = open_ ? static_cast<std::uint64_t>(std::max<off_t>(info.st_size, 0)) : 0;
}

ReadOnlyFile::~ReadOnlyFile() {
    if (handle_ >= 0) {
        ::close(static_cast<int>(handle_));
    }
}

long long ReadOnlyFile::read(char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t n = ::read(static_cast<int>(handle_), buffer, size);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        return n;
    }
}

bool IsRegularFile(const std::filesystem::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string SystemExecutablePath() {
    std::array<char, PATH_MAX + 1> buffer{};
    const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= buffer.size()) {
        return {};
    }
    return std::string(buffer.data(), static_cast<std::size_t>(n));
}

CivilDate LocalDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::filesystem::path UserSeasonsDirectory() {
    return XdgSeasonsDirectory(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

} // namespace turvane
