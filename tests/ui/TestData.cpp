#include "TestData.h"

#include "data/DataDir.h"

#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

TempDataDir::TempDataDir() {
    std::string pattern = (fs::temp_directory_path() / "turvane-ui-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary directory");
    }
    path_ = pattern;
}

TempDataDir::~TempDataDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

void TempDataDir::Write(const char* name, const std::string& bytes) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
}

void TempDataDir::CopySampleYear() const {
    for (const char* name : {"Cal1.dat", "Cal2.dat", "jyuusyou.dat"}) {
        fs::copy_file(fs::path(TURVANE_SAMPLE_DIR) / name, path_ / name,
                      fs::copy_options::overwrite_existing);
    }
}

std::shared_ptr<const turvane::FileSource> TempDataDir::source() const {
    return std::make_shared<turvane::DataDir>(path_);
}

const std::string& SampleFile(const char* name) {
    static std::map<std::string, std::string> files;
    auto [it, added] = files.try_emplace(name);
    if (added) {
        std::ifstream in(fs::path(TURVANE_SAMPLE_DIR) / name, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        it->second = bytes.str();
    }
    return it->second;
}

void MemoryDataDir::CopySampleYear() const {
    for (const char* name : {"Cal1.dat", "Cal2.dat", "jyuusyou.dat"}) {
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

namespace cp932text {

std::string Meeting(const std::string& course, char kai, char day) {
    return Mark + course + " " + kai + Kai + day + Nichime;
}

std::string Race(const std::string& course, const std::string& text) {
    std::string padded = text;
    padded.resize(34, ' ');
    return course + padded;
}

} // namespace cp932text
