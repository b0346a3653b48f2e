// turvane.com: the program as typed in cmd or PowerShell. Both shells run it
// rather than turvane.exe when the extension is left out, and wait for it as
// for any console program, so --check, --help and --version print where they
// were typed and the prompt comes back with the Linux program's exit status.
// Without one of those it starts the windows, turvane.exe beside it, with
// the same arguments, and returns.

#include "ConsoleCommands.h"
#include "ConsoleOutput.h"

#include <windows.h>

#include <string>

namespace {

using namespace turvane::win;

// The command line after the program's name, as it was typed.
std::wstring ArgumentsAsTyped() {
    std::wstring_view line = ::GetCommandLineW();
    std::size_t end = 0;
    if (!line.empty() && line[0] == L'"') {
        end = line.find(L'"', 1);
        end = end == std::wstring_view::npos ? line.size() : end + 1;
    } else {
        end = line.find_first_of(L" \t");
        end = end == std::wstring_view::npos ? line.size() : end;
    }
    return std::wstring(line.substr(end));
}

// The windowed program beside this one.
std::wstring WindowProgram() {
    std::wstring path(32768, L'\0');
    path.resize(::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    const std::size_t dot = path.find_last_of(L'.');
    return (dot == std::wstring::npos ? path : path.substr(0, dot)) + L".exe";
}

int StartWindows(Language language) {
    const std::wstring program = WindowProgram();
    std::wstring commandLine = L"\"" + program + L"\"" + ArgumentsAsTyped();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                         nullptr, &startup, &process) == 0) {
        const std::wstring_view name = program;
        const int size = ::WideCharToMultiByte(
            CP_UTF8, 0, name.data(), static_cast<int>(name.size()), nullptr, 0, nullptr, nullptr);
        std::string utf8(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
        ::WideCharToMultiByte(CP_UTF8, 0, name.data(), static_cast<int>(name.size()), utf8.data(),
                              size, nullptr, nullptr);
        WriteText(STD_ERROR_HANDLE,
                  Format(Translate(language, "CommandLine",
                                   QT_TRANSLATE_NOOP("CommandLine", "turvane: cannot start '%1'")),
                         {utf8}) +
                      "\n");
        return 1;
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return 0;
}

} // namespace

int main() {
    const Language language = UserLanguage();
    const Command command = ParseCommandLine(ProcessArguments(), language);
    if (const std::optional<int> status = RunWithoutWindow(command, language)) {
        return *status;
    }
    return StartWindows(language);
}
