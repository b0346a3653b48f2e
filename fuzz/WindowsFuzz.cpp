// Splits one input into the three data files, held in memory, then builds the
// main window and the graded-race list on them offscreen, on a day the input
// picks. Whatever the files hold, both windows must come up.

#include "AppContext.h"
#include "Application.h"
#include "GUnit.h"
#include "core/DataFiles.h"
#include "mainUnit.h"

#include <QApplication>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

namespace {

// The files of one input are separated by this line.
constexpr std::string_view Separator = "\n==next file==\n";

QApplication& Application() {
    static int argc = 1;
    static char name[] = "turvane-fuzz";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* a = new QApplication(argc, argv);
        PrepareApplication();
        return a;
    }();
    return *app;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Application();
    std::string_view input(reinterpret_cast<const char*>(data), size);
    // The first byte picks the day of 2003 (or a day after it) to open on.
    const int dayOfYear = input.empty() ? 0 : static_cast<unsigned char>(input[0]) * 3 / 2;
    const turvane::CivilDate today{2003 + dayOfYear / 365, 1 + (dayOfYear % 365) / 31,
                                   1 + (dayOfYear % 365) % 28};
    auto files = std::make_shared<turvane::MemoryFiles>();
    for (const std::string_view name :
         {turvane::MeetingFile, turvane::CourseFile, turvane::RaceFile}) {
        const auto cut = input.find(Separator);
        files->Write(name, std::string(input.substr(0, cut)));
        input = cut == std::string_view::npos ? std::string_view()
                                              : input.substr(cut + Separator.size());
    }
    const AppContext context{files, [today] { return today; },
                             [](const QString&, const QString&) {}, turvane::ScheduleYear()};
    TForm1 main(context);
    TForm2 list(context, &main);
    return 0;
}
