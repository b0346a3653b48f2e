// Times Windows start-ups from process creation to the main window's first
// paint: the program and its floor alternating, medians of the runs.
//   startup_probe.exe RUNS PROGRAM FLOOR [PROGRAM-ARGUMENTS...]
// The program gets the arguments (the floor's day is fixed in it).
// First paint: the process has gone idle for input (its queue empty, so its
// pending paints are done) and its visible top-level window has nothing
// left to paint. Each program is then closed as a user closes it.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Found {
    DWORD process;
    HWND window;
};

BOOL CALLBACK FindWindowOf(HWND window, LPARAM lParam) {
    auto* found = reinterpret_cast<Found*>(lParam);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process == found->process && ::IsWindowVisible(window) && !::GetWindow(window, GW_OWNER)) {
        found->window = window;
        return FALSE;
    }
    return TRUE;
}

double Now() {
    LARGE_INTEGER count{};
    LARGE_INTEGER frequency{};
    ::QueryPerformanceCounter(&count);
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Seconds to the first paint, or a negative number when it never came.
double StartOnce(const std::wstring& program, const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + program + L"\"" + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const double start = Now();
    if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &process)) {
        return -1;
    }
    double seconds = -1;
    if (::WaitForInputIdle(process.hProcess, 30000) == 0) {
        Found found{process.dwProcessId, nullptr};
        // Bounded: a program that never shows a window fails the figure.
        for (int tries = 0; tries < 30000; ++tries) {
            found.window = nullptr;
            ::EnumWindows(FindWindowOf, reinterpret_cast<LPARAM>(&found));
            if (found.window && !::GetUpdateRect(found.window, nullptr, FALSE)) {
                seconds = Now() - start;
                break;
            }
            ::Sleep(1);
        }
        if (found.window) {
            ::PostMessageW(found.window, WM_CLOSE, 0, 0);
        }
    }
    if (::WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        ::TerminateProcess(process.hProcess, 1);
        ::WaitForSingleObject(process.hProcess, INFINITE);
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return seconds;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc < 4) {
        std::fputs("usage: startup_probe RUNS PROGRAM FLOOR [PROGRAM-ARGUMENTS...]\n", stderr);
        return 2;
    }
    const int runs = std::max(1, _wtoi(argv[1]));
    const std::wstring programs[] = {argv[2], argv[3]};
    std::wstring programArguments;
    for (int i = 4; i < argc; ++i) {
        programArguments += std::wstring(L" ") + argv[i];
    }
    const std::wstring arguments[] = {programArguments, L""};
    std::vector<double> times[2];
    for (int i = 0; i < 2; ++i) { // one warm-up each
        StartOnce(programs[i], arguments[i]);
    }
    for (int run = 0; run < runs; ++run) {
        for (int i = 0; i < 2; ++i) {
            const double seconds = StartOnce(programs[i], arguments[i]);
            if (seconds < 0) {
                std::fprintf(stderr, "startup_probe: %ls showed no painted window\n",
                             programs[i].c_str());
                return 1;
            }
            times[i].push_back(seconds);
        }
    }
    const double program = Median(times[0]);
    const double floor = Median(times[1]);
    std::printf(
        "  program %7.1f ms\n  floor   %7.1f ms\n  program / floor: %.3f (target <= 1.10)\n",
        program * 1000, floor * 1000, program / floor);
    return 0;
}
