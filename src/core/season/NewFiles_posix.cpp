#include "NewFiles.h"
#include "TemporaryFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Why every write goes this way: a disk that fills up, a quota, a stick
// pulled out or a program killed half-way must never leave the user's file
// truncated. So the bytes go to a file of no name (or, where the file system
// has no such files, of a hidden temporary name) in the target's folder —
// the same file system, so that the rename below cannot turn into a copy;
// then to disk with fsync, or after a crash the name could point at a file
// whose blocks never got there; and only then does the file take the
// target's name, in one rename, which either happens whole or not at all.
// The folder is synced last so that the new name outlasts a crash as well.

namespace turvane {

namespace fs = std::filesystem;

int FileCalls::open(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}

ssize_t FileCalls::write(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
}

int FileCalls::fsync(int fd) {
    return ::fsync(fd);
}

int FileCalls::link(int fd, const char* path) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path, AT_SYMLINK_FOLLOW);
}

int FileCalls::rename(const char* from, const char* to) {
    return ::rename(from, to);
}

FileCalls& SystemFileCalls() {
    static FileCalls calls;
    return calls;
}

namespace {

fs::path HiddenName(const fs::path& directory, const std::string& name, int attempt) {
    return directory /
           ("." + name + "." + std::to_string(getpid()) + "." + std::to_string(attempt) + ".tmp");
}

} // namespace

Temporary::~Temporary() {
    if (handle_ >= 0) {
        ::close(static_cast<int>(handle_));
    }
    if (!path_.empty()) {
        ::unlink(path_.c_str());
    }
}

int Temporary::Write(std::string_view bytes) {
    int fd = -1;
    // An unnamed file gets its name through /proc, which a chroot or a
    // container may not have mounted: then a hidden name from the start.
    const bool unnamed = ::access("/proc/self/fd", F_OK) == 0;
    if (unnamed) {
        fd = calls_.open(directory_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    }
    if (fd < 0 && (!unnamed || errno == EOPNOTSUPP || errno == EISDIR)) {
        // A file system without unnamed files: a hidden name of our own.
        for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
            const fs::path path = HiddenName(directory_, name_, attempt);
            fd = calls_.open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd >= 0) {
                path_ = path;
            } else if (errno != EEXIST) {
                break;
            }
        }
    }
    if (fd < 0) {
        return errno;
    }
    handle_ = fd;
    while (!bytes.empty()) {
        const ssize_t n = calls_.write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return n < 0 ? errno : EIO;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return calls_.fsync(fd) == 0 ? 0 : errno;
}

int Temporary::Replace(const fs::path& target) {
    // A replaced file keeps its permissions: a calendar the user made
    // private stays private.
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        ::fchmod(static_cast<int>(handle_), old.st_mode & 07777);
    }
    // A rename needs a name to start from.
    for (int attempt = 0; path_.empty(); ++attempt) {
        const fs::path path = HiddenName(directory_, name_, attempt);
        if (calls_.link(static_cast<int>(handle_), path.c_str()) == 0) {
            path_ = path;
        } else if (errno != EEXIST || attempt == 99) {
            return errno;
        }
    }
    if (calls_.rename(path_.c_str(), target.c_str()) != 0) {
        return errno;
    }
    path_.clear();
    return 0;
}

int Temporary::PlaceNew(const fs::path& target) {
    if (path_.empty()) {
        return calls_.link(static_cast<int>(handle_), target.c_str()) == 0 ? 0 : errno;
    }
    if (renameat2(AT_FDCWD, path_.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) != 0) {
        if (errno != EINVAL && errno != ENOSYS) {
            return errno;
        }
        // File systems without it still refuse to link over a name.
        if (::link(path_.c_str(), target.c_str()) != 0) {
            return errno;
        }
        ::unlink(path_.c_str());
    }
    path_.clear();
    return 0;
}

void SyncDirectory(const fs::path& directory) {
    if (const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void RemoveFile(const fs::path& path) {
    ::unlink(path.c_str());
}

} // namespace turvane
