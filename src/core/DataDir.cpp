#include "DataDir.h"

#include "Errors.h"
#include "Platform.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace turvane {

namespace {

constexpr std::string_view DeletedMark = " (deleted)";
constexpr std::size_t ReadPiece = 64 * 1024;

// Paths travel as UTF-8 text (messages, the system's executable path). A
// path made from plain chars would take them in the C library's narrow
// encoding, which on Windows is not UTF-8: a folder named 表 would be lost.
std::filesystem::path PathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
}

} // namespace

std::string ExecutablePath() {
    std::string path = SystemExecutablePath();
    if (path.ends_with(DeletedMark)) {
        path.resize(path.size() - DeletedMark.size());
    }
    return path;
}

DataDir DataDir::OfExecutable(std::string_view executablePath) {
    const std::filesystem::path exe = PathFromUtf8(executablePath);
    if (!exe.is_absolute()) {
        return DataDir({});
    }
    return DataDir(exe.parent_path());
}

std::string DataDir::PathOf(std::string_view name) const {
    return Utf8FromPath(directory_ / PathFromUtf8(name));
}

bool DataDir::DataFileExists(std::string_view name) const {
    return !directory_.empty() && IsRegularFile(PathFromUtf8(PathOf(name)));
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
    ReadOnlyFile file(PathFromUtf8(path));
    if (!file.isOpen()) {
        throw FileOpenError(path);
    }
    std::uint64_t left = file.size();
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(left, maxTextBytes_)) + 1);
    std::array<char, ReadPiece> piece;
    while (left > 0) {
        const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(left, piece.size()));
        const long long n = file.read(piece.data(), want);
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
