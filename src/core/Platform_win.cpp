#include "Platform.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace turvane {

namespace {

HANDLE AsHandle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

} // namespace

ReadOnlyFile::ReadOnlyFile(const std::filesystem::path& path) {
    // Others may read the file meanwhile, never write it; a directory or a
    // device does not open as a disk file.
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    handle_ = reinterpret_cast<std::intptr_t>(file);
    LARGE_INTEGER size{};
    open_ = file != INVALID_HANDLE_VALUE && ::GetFileType(file) == FILE_TYPE_DISK &&
            ::GetFileSizeEx(file, &size) != 0;
    size_ = open_ ? static_cast<std::uint64_t>(std::max<LONGLONG>(size.QuadPart, 0)) : 0;
}

ReadOnlyFile::~ReadOnlyFile() {
    if (AsHandle(handle_) != INVALID_HANDLE_VALUE) {
        ::CloseHandle(AsHandle(handle_));
    }
}

long long ReadOnlyFile::read(char* buffer, std::size_t size) {
    DWORD got = 0;
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
    if (::ReadFile(AsHandle(handle_), buffer, want, &got, nullptr) == 0) {
        return -1;
    }
    return got;
}

bool IsRegularFile(const std::filesystem::path& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}

std::string SystemExecutablePath() {
    std::vector<wchar_t> wide(MAX_PATH);
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, wide.data(), static_cast<DWORD>(wide.size()));
        if (n == 0) {
            return {};
        }
        if (n < wide.size()) {
            wide.resize(n);
            break;
        }
        wide.resize(wide.size() * 2);
    }
    const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                            nullptr, 0, nullptr, nullptr);
    std::string path(static_cast<std::size_t>(std::max(bytes, 0)), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), path.data(),
                          bytes, nullptr, nullptr);
    return path;
}

CivilDate LocalDate() {
    SYSTEMTIME local{};
    ::GetLocalTime(&local);
    return {local.wYear, local.wMonth, local.wDay};
}

std::filesystem::path UserSeasonsDirectory() {
    // The user's roaming application data, which follows the user from one
    // computer to another. The variable names the same folder as the shell's
    // known folder, without loading the shell at start-up.
    const wchar_t* appData = _wgetenv(L"APPDATA");
    if (appData == nullptr || *appData == L'\0') {
        return {};
    }
    const std::filesystem::path folder(appData);
    return folder.is_absolute() ? folder / L"Turvane" : std::filesystem::path();
}

} // namespace turvane
