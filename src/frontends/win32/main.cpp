// The Windows program's entry: the options, then the main window until it
// is closed.

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
    context.files = options.dataDir
                        ? std::make_shared<turvane::DataDir>(*options.dataDir)
                        : std::make_shared<turvane::DataDir>(turvane::DataDir::OfExecutable());
    if (options.date) {
        context.today = [date = *options.date] { return date; };
    }
    context.year = options.year;
    TForm1 form(std::move(context));
    return form.run(showCommand);
}
