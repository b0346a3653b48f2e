#pragma once

#include "core/DateKeys.h"
#include "core/FileSource.h"
#include "core/Today.h"

#include <memory>

// What the windows need from outside: where the data files come from, what
// day it is, and which year the files describe.
struct AppContext {
    std::shared_ptr<const turvane::FileSource> files;
    turvane::TodaySource today = turvane::SystemToday;
    turvane::ScheduleYear year;
};
