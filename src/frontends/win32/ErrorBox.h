#pragma once

#include <exception>
#include <string>
#include <string_view>

// The error box: the failure's message with the design's period rule, the
// program's name as its caption, an OK button and a stop icon. Every window
// of the program is disabled while it shows.
void ShowErrorBox(std::string_view utf8Message);

// Runs work; a failure is shown in the error box and the program carries on.
template <typename Work> void RunReportingErrors(Work&& work) {
    try {
        work();
    } catch (const std::exception& error) {
        ShowErrorBox(error.what());
    }
}

// Today as the user's short date format writes it.
std::u16string ShortDateText(int year, int month, int day);
