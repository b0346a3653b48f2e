#include "Errors.h"

namespace turvane {

FileOpenError::FileOpenError(const std::string& path)
    : ScheduleError("ファイル " + path + " は開けません") {}

NotAnIntegerError::NotAnIntegerError(const std::string& utf8Text)
    : ScheduleError("'" + utf8Text + "' は整数ではありません") {}

ListIndexError::ListIndexError(std::size_t index)
    : ScheduleError("リストのインデックスが範囲を超えています (" + std::to_string(index) + ")") {}

} // namespace turvane
