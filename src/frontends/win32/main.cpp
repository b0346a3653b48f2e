// The Windows program's entry: the options, then the main window until it
// is closed.

#include "ConsoleSeason.h"
#include "ErrorBox.h"
#include "LaunchOptions.h"
#include "Win32Util.h"
#include "core/DataDir.h"
#include "mainUnit.h"

#include <commctrl.h>
#include <windows.h>

#include <cstdlib>
#include <vector>

namespace {

// The C runtime has split the command line already, by the same rules as
// CommandLineToArgvW, which would load the shell and its COM helpers at
// start-up only for this.
LaunchOptions OptionsOfCommandLine() {
    std::vector<std::wstring_view> arguments;
    for (int i = 1; i < __argc; ++i) {
        arguments.emplace_back(__wargv[i]);
    }
    return ParseLaunchOptions(arguments);
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    const LaunchOptions options = OptionsOfCommandLine();
    if (!options.badArgument.empty()) {
        ShowErrorBox(Utf8FromWide(options.badArgument));
        return 2;
    }
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    AppContext context;
    if (options.date) {
        context.today = [date = *options.date] { return date; };
    }
    const turvane::SeasonChoice season =
        turvane::win::ChooseSeason(options.dataDir, options.year, context.today());
    context.files = std::make_shared<turvane::DataDir>(season.files());
    context.year = season.year;
    // A year file that records no year: the window shows the files all the
    // same, in the default year, once it has said why.
    if (const auto problem = turvane::win::SeasonProblem(season, turvane::win::UserLanguage())) {
        ShowErrorBox(*problem);
    }
    TForm1 form(std::move(context));
    return form.run(showCommand);
}
