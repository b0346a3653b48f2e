#pragma once

#include "AppContext.h"
#include "data/FileSource.h"

#include <QString>
#include <QStringList>

#include <filesystem>
#include <memory>
#include <string>

// Data files in memory, for every window test that does not need a real
// file system: no temporary directories, and each read of a file can be
// handed other bytes deterministically.
class MemoryDataDir {
public:
    std::string PathOf(const char* name) const { return files_->PathOf(name); }
    // Writes raw bytes (code page 932) as a data file.
    void Write(const char* name, const std::string& bytes) const { files_->Write(name, bytes); }
    void Remove(const char* name) const { files_->Remove(name); }
    // Puts the bundled sample year's files in.
    void CopySampleYear() const;

    turvane::MemoryFiles& files() const { return *files_; }
    std::shared_ptr<const turvane::FileSource> source() const { return files_; }

private:
    std::shared_ptr<turvane::MemoryFiles> files_ = std::make_shared<turvane::MemoryFiles>();
};

// A temporary data directory on disk, removed again at the end of a test:
// for what only a file system has (pipes, links, directories, dates).
class TempDataDir {
public:
    TempDataDir();
    ~TempDataDir();
    TempDataDir(const TempDataDir&) = delete;
    TempDataDir& operator=(const TempDataDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string PathOf(const char* name) const { return (path_ / name).string(); }

    void Write(const char* name, const std::string& bytes) const;
    void CopySampleYear() const;

    std::shared_ptr<const turvane::FileSource> source() const;

private:
    std::filesystem::path path_;
};

// The sample year's bytes, read once.
const std::string& SampleFile(const char* name);

// A context on data files at a fixed date that records its error boxes.
struct TestContext {
    explicit TestContext(std::shared_ptr<const turvane::FileSource> files,
                         turvane::CivilDate today = {2003, 5, 12});

    turvane::CivilDate today;
    std::shared_ptr<QStringList> errors = std::make_shared<QStringList>();
    std::shared_ptr<QString> lastCaption = std::make_shared<QString>();
    AppContext context;
};

// Code page 932 spellings for building test lines.
namespace cp932text {
inline const std::string Tokyo = "\x93\x8c\x8b\x9e";   // 東京
inline const std::string Kyoto = "\x8b\x9e\x93\x73";   // 京都
inline const std::string Hanshin = "\x8d\xe3\x90\x5f"; // 阪神
inline const std::string Kai = "\x89\xf1 ";            // "回 "
inline const std::string Nichime = "\x93\xfa\x96\xda"; // 日目
inline const std::string Mark = "\x81\x9f";            // ◆

// One 16-byte meeting slot: mark, course, meeting and day numbers.
std::string Meeting(const std::string& course, char kai, char day);
// One 38-byte race slot.
std::string Race(const std::string& course, const std::string& text);
inline const std::string EmptyRace(38, ' ');
} // namespace cp932text
