#include "NewFiles.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

namespace turvane {

namespace {

namespace fs = std::filesystem;

bool Exists(const fs::path& path) {
    std::error_code error;
    // A dangling link is a name taken as well.
    return fs::symlink_status(path, error).type() != fs::file_type::not_found;
}

// Writes bytes to a new file of a name no one else uses; returns its path,
// or nothing with errno set.
std::optional<fs::path> WriteTemporary(const fs::path& directory, const std::string& name,
                                       const std::string& bytes) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path path = directory / ("." + name + "." + std::to_string(getpid()) + "." +
                                           std::to_string(attempt) + ".tmp");
        const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) {
                continue;
            }
            return std::nullopt;
        }
        std::size_t done = 0;
        bool ok = true;
        while (ok && done < bytes.size()) {
            const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            ok = n > 0;
            done += ok ? static_cast<std::size_t>(n) : 0;
        }
        ok = ok && fsync(fd) == 0;
        const int saved = errno;
        ok = close(fd) == 0 && ok;
        if (!ok) {
            unlink(path.c_str());
            errno = saved != 0 ? saved : errno;
            return std::nullopt;
        }
        return path;
    }
    errno = EEXIST;
    return std::nullopt;
}

// Gives from its name to, never replacing a file of that name.
bool MoveIntoPlace(const fs::path& from, const fs::path& to) {
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return false;
    }
    // File systems without it still refuse to link over an existing name.
    if (link(from.c_str(), to.c_str()) != 0) {
        return false;
    }
    unlink(from.c_str());
    return true;
}

} // namespace

NewFilesResult WriteNewFiles(const fs::path& directory, const std::vector<NewFile>& files) {
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
        result.paths = {directory};
        result.reason = error.message();
        return result;
    }

    std::vector<fs::path> temporaries;
    std::vector<fs::path> placed;
    const auto undo = [&] {
        for (const fs::path& path : temporaries) {
            unlink(path.c_str());
        }
        for (const fs::path& path : placed) {
            unlink(path.c_str());
        }
    };
    for (const NewFile& file : files) {
        const std::optional<fs::path> temporary = WriteTemporary(directory, file.name, file.bytes);
        if (!temporary) {
            result.reason = std::strerror(errno);
            result.paths = {directory / file.name};
            undo();
            return result;
        }
        temporaries.push_back(*temporary);
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        const fs::path target = directory / files[i].name;
        if (!MoveIntoPlace(temporaries[i], target)) {
            const int saved = errno;
            undo();
            result.paths = {target};
            if (saved == EEXIST) {
                result.status = NewFilesResult::Status::AlreadyExist;
            } else {
                result.reason = std::strerror(saved);
            }
            return result;
        }
        placed.push_back(target);
        temporaries[i].clear();
    }
    // The names, too, must outlast a crash.
    if (const int fd = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); fd >= 0) {
        fsync(fd);
        close(fd);
    }
    result.status = NewFilesResult::Status::Written;
    return result;
}

} // namespace turvane
