#include "Errors.h"

namespace turvane {

FileOpenError::FileOpenError(const std::string& path, FailureKind kind)
    : ScheduleError("ファイル " + path + " は開けません", kind) {
    SetPlace({path, 0, 0, {}});
}

NotAnIntegerError::NotAnIntegerError(const std::string& utf8Text)
    : ScheduleError("'" + utf8Text + "' は整数ではありません", FailureKind::NotAnInteger) {
    SetPlace({{}, 0, 0, utf8Text});
}

ListIndexError::ListIndexError(std::size_t index)
    : ScheduleError("リストのインデックスが範囲を超えています (" + std::to_string(index) + ")",
                    FailureKind::ListIndex) {
    SetPlace({{}, index + 1, 0, {}});
}

} // namespace turvane
