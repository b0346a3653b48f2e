#include "FileSource.h"

#include "Errors.h"

#include <algorithm>

namespace turvane {

LineList LoadLines(const FileSource& files, std::string_view name) {
    LineList lines = LineList::Split(files.LoadBytes(name));
    lines.SetSource(files.PathOf(name));
    return lines;
}

MemoryFiles::MemoryFiles(std::string directory) : directory_(std::move(directory)) {}

void MemoryFiles::Write(std::string_view name, std::string bytes) {
    File& file = files_[std::string(name)];
    file.versions.assign(1, std::move(bytes));
}

void MemoryFiles::WriteNextVersion(std::string_view name, std::string bytes) {
    files_[std::string(name)].versions.push_back(std::move(bytes));
}

void MemoryFiles::Remove(std::string_view name) {
    if (const auto it = files_.find(name); it != files_.end()) {
        files_.erase(it);
    }
}

int MemoryFiles::ReadCount(std::string_view name) const {
    const auto it = files_.find(name);
    return it == files_.end() ? 0 : it->second.reads;
}

std::string MemoryFiles::PathOf(std::string_view name) const {
    return directory_ + "/" + std::string(name);
}

bool MemoryFiles::DataFileExists(std::string_view name) const {
    return files_.find(name) != files_.end();
}

std::string MemoryFiles::LoadBytes(std::string_view name) const {
    const std::string bytes = LoadAllBytes(name);
    return bytes.substr(0, bytes.find('\0'));
}

std::string MemoryFiles::LoadAllBytes(std::string_view name) const {
    const auto it = files_.find(name);
    if (it == files_.end()) {
        throw FileOpenError(PathOf(name));
    }
    const File& file = it->second;
    const auto version =
        std::min<std::size_t>(static_cast<std::size_t>(file.reads++), file.versions.size() - 1);
    return file.versions[version];
}

} // namespace turvane
