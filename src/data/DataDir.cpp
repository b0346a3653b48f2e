#include "DataDir.h"

#include "Errors.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace turvane {

namespace {

// Closes a descriptor on every way out.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

} // namespace

DataDir DataDir::OfExecutable() {
    std::error_code error;
    const auto exe = std::filesystem::canonical("/proc/self/exe", error);
    if (error) {
        return DataDir(std::filesystem::current_path());
    }
    return DataDir(exe.parent_path());
}

std::string DataDir::PathOf(std::string_view name) const {
    return (directory_ / std::filesystem::path(std::string(name))).string();
}

bool DataDir::DataFileExists(std::string_view name) const {
    struct stat info {};
    return ::stat(PathOf(name).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

LineList DataDir::LoadLines(std::string_view name) const {
    const std::string path = PathOf(name);
    // O_NONBLOCK keeps a pipe named like a data file from stalling start-up;
    // it is refused below as not a regular file.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        throw FileOpenError(path);
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size) + 1);
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(file.get(), buffer, sizeof buffer);
        if (n > 0) {
            bytes.append(buffer, static_cast<std::size_t>(n));
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            throw FileOpenError(path);
        }
    }
    return LineList::Split(std::move(bytes));
}

} // namespace turvane
