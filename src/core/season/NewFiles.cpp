#include "NewFiles.h"

#include "TemporaryFile.h"

#include <memory>

// Every file is written by one path: in full and on disk under no name or a
// hidden one in the target's folder, then given its name in one step; how,
// on each system, is told in NewFiles_posix.cpp and NewFiles_win.cpp.

namespace turvane {

namespace fs = std::filesystem;

namespace {

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
                RemoveFile(path);
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
