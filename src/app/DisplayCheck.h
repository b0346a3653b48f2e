#pragma once

#include <QString>

#include <optional>

class QProcessEnvironment;

// Why no window can open here, in one line, or nothing when a display seems
// to be there. Qt ends the program in an abort when it finds none, so this is
// asked first. A platform named with -platform or QT_QPA_PLATFORM is taken
// as it is; an X display on this machine is tried, one elsewhere is not.
std::optional<QString> MissingDisplay(const QProcessEnvironment& environment, bool platformGiven);
