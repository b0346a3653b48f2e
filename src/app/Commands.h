#pragma once

#include <optional>

struct CommandLine;

// Does what needs no window (help, version, usage error, check, calendar
// export, CSV) and returns the exit status; nothing when the window is to be
// shown or the document written, which need an application object. Without
// a display for a window, says so and returns 1. Its texts are in the
// language of the translations installed, if any.
std::optional<int> RunWithoutWindow(const CommandLine& command);
