#pragma once

#include "LineList.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace turvane {

// Where the windows get the data files from: the program's data directory,
// or files held in memory (tests, fuzzing). Every read goes back to the
// source, so each filling step sees the files as they are at that moment.
class FileSource {
public:
    virtual ~FileSource() = default;

    // The full path of a data file, as messages name it.
    virtual std::string PathOf(std::string_view name) const = 0;

    // Whether name is an existing regular file.
    virtual bool DataFileExists(std::string_view name) const = 0;

    // The file's text: its bytes up to the first NUL. Throws FileOpenError,
    // naming PathOf(name), when the file cannot be read.
    virtual std::string LoadBytes(std::string_view name) const = 0;

    // All of the file's bytes, a NUL and whatever follows it included: the
    // layout check reports what the windows would never read.
    virtual std::string LoadAllBytes(std::string_view name) const = 0;
};

// Reads a data file and splits it into lines.
LineList LoadLines(const FileSource& files, std::string_view name);

// Data files in memory. A file may hold several versions: each read hands out
// the next one, and the last one again once all have been read, so a test
// can change a file between two reads without racing anything.
class MemoryFiles : public FileSource {
public:
    // Paths in messages are under directory, which is never read.
    explicit MemoryFiles(std::string directory = "/memory");

    // Makes name a file with these bytes, replacing all its versions.
    void Write(std::string_view name, std::string bytes);
    // Adds a version that reads after the ones before it are used up.
    void WriteNextVersion(std::string_view name, std::string bytes);
    void Remove(std::string_view name);
    // How often name has been read.
    int ReadCount(std::string_view name) const;

    std::string PathOf(std::string_view name) const override;
    bool DataFileExists(std::string_view name) const override;
    std::string LoadBytes(std::string_view name) const override;
    std::string LoadAllBytes(std::string_view name) const override;

private:
    struct File {
        std::vector<std::string> versions;
        mutable int reads = 0;
    };
    std::string directory_;
    std::map<std::string, File, std::less<>> files_;
};

} // namespace turvane
