#pragma once

#include <QString>

#include <exception>

struct AppContext;

// The real error box: stop icon, OK button, modal to the whole program.
void ShowErrorBox(const QString& caption, const QString& text);

// Shows a failure through the context's presenter.
void ReportError(const AppContext& context, const std::exception& error);

// Runs a handler, reporting any failure instead of letting it reach Qt's
// event loop; the program carries on afterwards.
template <typename Handler> void RunReportingErrors(const AppContext& context, Handler&& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ReportError(context, error);
    }
}
