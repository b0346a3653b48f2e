#pragma once

// What the Windows program does without a window: help, version, usage
// errors and the layout check, with the Linux program's exit statuses.

#include "ConsoleCommandLine.h"

#include <optional>

namespace turvane::win {

// The exit status, or none when the command is to show the window.
std::optional<int> RunWithoutWindow(const Command& command, Language language);

} // namespace turvane::win
