#include "NewFiles.h"

#include <cerrno>
#include <fcntl.h>
#include <memory>
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

// A file written in full and on disk, not yet under the name it is for.
// Whatever has not been placed is gone with the object.
class Temporary {
public:
    Temporary(FileCalls& calls, fs::path directory, std::string name)
        : calls_(calls), directory_(std::move(directory)), name_(std::move(name)) {}
    ~Temporary() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        if (!path_.empty()) {
            ::unlink(path_.c_str());
        }
    }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;

    // 0, or the errno value of what failed.
    int Write(std::string_view bytes) {
        // An unnamed file gets its name through /proc, which a chroot or a
        // container may not have mounted: then a hidden name from the start.
        const bool unnamed = ::access("/proc/self/fd", F_OK) == 0;
        if (unnamed) {
            fd_ = calls_.open(directory_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        }
        if (fd_ < 0 && (!unnamed || errno == EOPNOTSUPP || errno == EISDIR)) {
            // A file system without unnamed files: a hidden name of our own.
            for (int attempt = 0; fd_ < 0 && attempt < 100; ++attempt) {
                const fs::path path = HiddenName(attempt);
                fd_ = calls_.open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
                if (fd_ >= 0) {
                    path_ = path;
                } else if (errno != EEXIST) {
                    break;
                }
            }
        }
        if (fd_ < 0) {
            return errno;
        }
        while (!bytes.empty()) {
            const ssize_t n = calls_.write(fd_, bytes.data(), bytes.size());
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                return n < 0 ? errno : EIO;
            }
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
        return calls_.fsync(fd_) == 0 ? 0 : errno;
    }

    // Gives the file the name target, replacing a file of that name.
    int Replace(const fs::path& target) {
        // A replaced file keeps its permissions: a calendar the user made
        // private stays private.
        struct stat old {};
        if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
            ::fchmod(fd_, old.st_mode & 07777);
        }
        // A rename needs a name to start from.
        for (int attempt = 0; path_.empty(); ++attempt) {
            const fs::path path = HiddenName(attempt);
            if (calls_.link(fd_, path.c_str()) == 0) {
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

    // Gives the file the name target, never replacing a file of that name
    // (EEXIST then).
    int PlaceNew(const fs::path& target) {
        if (path_.empty()) {
            return calls_.link(fd_, target.c_str()) == 0 ? 0 : errno;
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

private:
    fs::path HiddenName(int attempt) const {
        return directory_ / ("." + name_ + "." + std::to_string(getpid()) + "." +
                             std::to_string(attempt) + ".tmp");
    }

    FileCalls& calls_;
    fs::path directory_;
    std::string name_;
    int fd_ = -1;
    fs::path path_; // empty while the file has no name
};

void SyncDirectory(const fs::path& directory) {
    if (const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool Exists(const fs::path& path) {
    std::error_code error;
    // A dangling link is a name taken as well.
    return fs::symlink_status(path, error).type() != fs::file_type::not_found;
}

} // namespace

int ReplaceFile(const fs::path& path, std::string_view bytes, FileCalls& calls) {
    const fs::path directory = path.has_parent_path() ? path.parent_path() : fs::path(".");
    Temporary file(calls, directory, path.filename().string());
    if (const int error = file.Write(bytes)) {
        return error;
    }
    if (const int error = file.Replace(path)) {
        return error;
    }
    SyncDirectory(directory);
    return 0;
}

NewFilesResult WriteNewFiles(const fs::path& directory, const std::vector<NewFile>& files,
                             FileCalls& calls) {
    NewFilesResult result;
    for (const NewFile& file : files) {
        if (Exists(directory / file.name)) {
            result.paths.push_back(directory / file.name);
        }
    }
    if (!result.paths.empty()) {
        result.status = NewFilesResult::Status::AlreadyExist;
        return result;
    }
    std::error_code error;
    fs::create_directories(directory, error);
    if (error) {
        // Named by the file the user asked for, not by a folder of its path.
        result.paths = {directory / (files.empty() ? "" : files.front().name)};
        result.error = error.value();
        return result;
    }

    std::vector<std::unique_ptr<Temporary>> temporaries;
    for (const NewFile& file : files) {
        temporaries.push_back(std::make_unique<Temporary>(calls, directory, file.name));
        if (const int failed = temporaries.back()->Write(file.bytes)) {
            result.paths = {directory / file.name};
            result.error = failed;
            return result;
        }
    }
    std::vector<fs::path> placed;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const fs::path target = directory / files[i].name;
        if (const int failed = temporaries[i]->PlaceNew(target)) {
            for (const fs::path& path : placed) {
                ::unlink(path.c_str());
            }
            result.paths = {target};
            if (failed == EEXIST) {
                result.status = NewFilesResult::Status::AlreadyExist;
            } else {
                result.error = failed;
            }
            return result;
        }
        placed.push_back(target);
    }
    SyncDirectory(directory);
    result.status = NewFilesResult::Status::Written;
    return result;
}

} // namespace turvane
