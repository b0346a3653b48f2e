#include "TestData.h"

#include "core/DataDir.h"
#include "core/DataFiles.h"

#include <fstream>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

void TempDataDir::Write(std::string_view name, const std::string& bytes) const {
    std::ofstream(path() / name, std::ios::binary) << bytes;
}

void TempDataDir::CopySampleYear() const {
    for (const std::string_view name :
         {turvane::MeetingFile, turvane::CourseFile, turvane::RaceFile}) {
        fs::copy_file(fs::path(TURVANE_SAMPLE_DIR) / name, path() / name,
                      fs::copy_options::overwrite_existing);
    }
}

std::shared_ptr<const turvane::FileSource> TempDataDir::source() const {
    return std::make_shared<turvane::DataDir>(path());
}

const std::string& SampleFile(std::string_view name) {
    static std::map<std::string, std::string> files;
    auto [it, added] = files.try_emplace(std::string(name));
    if (added) {
        std::ifstream in(fs::path(TURVANE_SAMPLE_DIR) / name, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        it->second = bytes.str();
    }
    return it->second;
}

void MemoryDataDir::CopySampleYear() const {
    for (const std::string_view name :
         {turvane::MeetingFile, turvane::CourseFile, turvane::RaceFile}) {
        files_->Write(name, SampleFile(name));
    }
}

TestContext::TestContext(std::shared_ptr<const turvane::FileSource> files, turvane::CivilDate date)
    : today(date), context{std::move(files), [date] { return date; },
                           [errors = errors, caption = lastCaption](const QString& c,
                                                                    const QString& text) {
                               *caption = c;
                               errors->append(text);
                           },
                           turvane::ScheduleYear()} {}
