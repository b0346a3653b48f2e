#pragma once

#include "core/DateKeys.h"
#include "core/FileSource.h"
#include "core/Today.h"

#include <QString>

#include <functional>
#include <memory>

// Shows an error box: caption and text. Tests record instead of showing.
using ErrorPresenter = std::function<void(const QString& caption, const QString& text)>;

// What the windows need from outside: where the data files come from, what
// day it is, how to show an error, and which year the files describe. The
// program passes the real ones.
struct AppContext {
    std::shared_ptr<const turvane::FileSource> files;
    turvane::TodaySource today = turvane::SystemToday;
    ErrorPresenter showError;
    turvane::ScheduleYear year;
};
