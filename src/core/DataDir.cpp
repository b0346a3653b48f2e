#include "DataDir.h"

#include "Errors.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits.h>
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

constexpr std::string_view DeletedMark = " (deleted)";
constexpr std::size_t ReadPiece = 64 * 1024;

} // namespace

std::string ExecutablePath() {
    std::array<char, PATH_MAX + 1> buffer{};
    const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= buffer.size()) {
        return {};
    }
    std::string path(buffer.data(), static_cast<std::size_t>(n));
    if (path.ends_with(DeletedMark)) {
        path.resize(path.size() - DeletedMark.size());
    }
    return path;
}

DataDir DataDir::OfExecutable(std::string_view executablePath) {
    const std::filesystem::path exe(executablePath);
    if (!exe.is_absolute()) {
        return DataDir({});
    }
    return DataDir(exe.parent_path());
}

std::string DataDir::PathOf(std::string_view name) const {
    return (directory_ / std::filesystem::path(std::string(name))).string();
}

bool DataDir::DataFileExists(std::string_view name) const {
    struct stat info {};
    return !directory_.empty() && ::stat(PathOf(name).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string DataDir::LoadBytes(std::string_view name) const {
    return Read(name, true);
}

std::string DataDir::LoadAllBytes(std::string_view name) const {
    return Read(name, false);
}

std::string DataDir::Read(std::string_view name, bool stopAtNul) const {
    const std::string path = PathOf(name);
    if (directory_.empty()) {
        // A relative name would read the working directory's files.
        throw FileOpenError(path);
    }
    // O_NONBLOCK keeps a pipe named like a data file from stalling start-up;
    // it is refused below as not a regular file.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        throw FileOpenError(path);
    }
    auto left = static_cast<std::uint64_t>(std::max<off_t>(info.st_size, 0));
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(left, maxTextBytes_)) + 1);
    std::array<char, ReadPiece> piece;
    while (left > 0) {
        const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(left, piece.size()));
        const ssize_t n = ::read(file.get(), piece.data(), want);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            throw FileOpenError(path);
        }
        if (n == 0) {
            break; // the file shrank while being read
        }
        const auto got = static_cast<std::size_t>(n);
        bytesRead_ += got;
        const void* nul = stopAtNul ? std::memchr(piece.data(), '\0', got) : nullptr;
        const std::size_t text =
            nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - piece.data()) : got;
        if (text > maxTextBytes_ - bytes.size()) {
            throw FileOpenError(path);
        }
        bytes.append(piece.data(), text);
        if (nul) {
            break; // the text ends at the first NUL: the rest is never read
        }
        left -= got;
    }
    return bytes;
}

} // namespace turvane
