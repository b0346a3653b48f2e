#include "NewFiles.h"
#include "TemporaryFile.h"

#include <windows.h>

#include <algorithm>
#include <cerrno>

// Windows has no file without a name, so the bytes go to a temporary name in
// the target's folder from the start, to disk with FlushFileBuffers, and the
// file takes the target's name in one MoveFileExW written through to disk.

namespace turvane {

namespace fs = std::filesystem;

// The test seam's calls are POSIX ones; here the files are written through
// Windows' own calls below, and the seam is not used.
int FileCalls::open(const char*, int, mode_t) {
    errno = ENOSYS;
    return -1;
}

ssize_t FileCalls::write(int, const void*, std::size_t) {
    errno = ENOSYS;
    return -1;
}

int FileCalls::fsync(int) {
    errno = ENOSYS;
    return -1;
}

int FileCalls::link(int, const char*) {
    errno = ENOSYS;
    return -1;
}

int FileCalls::rename(const char*, const char*) {
    errno = ENOSYS;
    return -1;
}

FileCalls& SystemFileCalls() {
    static FileCalls calls;
    return calls;
}

namespace {

HANDLE AsHandle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

// The errno value a message is chosen by.
int ErrnoOf(DWORD error) {
    switch (error) {
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return EACCES;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    case ERROR_NOT_SAME_DEVICE:
        return EXDEV;
    default:
        return EIO;
    }
}

fs::path HiddenName(const fs::path& directory, const std::string& name, int attempt) {
    return directory / fs::path("." + name + "." + std::to_string(::GetCurrentProcessId()) + "." +
                                std::to_string(attempt) + ".tmp");
}

// Moves from to to, written through to disk; the file must be closed.
int Move(const fs::path& from, const fs::path& to, DWORD flags) {
    return ::MoveFileExW(from.c_str(), to.c_str(), flags | MOVEFILE_WRITE_THROUGH) != 0
               ? 0
               : ErrnoOf(::GetLastError());
}

} // namespace

Temporary::~Temporary() {
    if (AsHandle(handle_) != INVALID_HANDLE_VALUE) {
        ::CloseHandle(AsHandle(handle_));
    }
    if (!path_.empty()) {
        ::DeleteFileW(path_.c_str());
    }
}

int Temporary::Write(std::string_view bytes) {
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; file == INVALID_HANDLE_VALUE && attempt < 100; ++attempt) {
        const fs::path path = HiddenName(directory_, name_, attempt);
        file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            path_ = path;
        } else if (::GetLastError() != ERROR_FILE_EXISTS) {
            break;
        }
    }
    if (file == INVALID_HANDLE_VALUE) {
        return ErrnoOf(::GetLastError());
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
    while (!bytes.empty()) {
        DWORD written = 0;
        const auto want = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        if (::WriteFile(file, bytes.data(), want, &written, nullptr) == 0) {
            return ErrnoOf(::GetLastError());
        }
        if (written == 0) {
            return EIO;
        }
        bytes.remove_prefix(written);
    }
    if (::FlushFileBuffers(file) == 0) {
        return ErrnoOf(::GetLastError());
    }
    // A file open without sharing cannot be moved.
    ::CloseHandle(file);
    handle_ = reinterpret_cast<std::intptr_t>(INVALID_HANDLE_VALUE);
    return 0;
}

int Temporary::Replace(const fs::path& target) {
    if (const int error = Move(path_, target, MOVEFILE_REPLACE_EXISTING)) {
        return error;
    }
    path_.clear();
    return 0;
}

int Temporary::PlaceNew(const fs::path& target) {
    if (const int error = Move(path_, target, 0)) {
        return error;
    }
    path_.clear();
    return 0;
}

void SyncDirectory(const fs::path&) {
    // MOVEFILE_WRITE_THROUGH has the name on disk already.
}

void RemoveFile(const fs::path& path) {
    ::DeleteFileW(path.c_str());
}

} // namespace turvane
