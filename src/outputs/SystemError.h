#pragma once

#include <QString>

// Why a file operation failed, from its errno value, in the language the
// command line speaks: Qt's and the C library's texts would be English, or
// "Unknown error" where nothing set one.
QString SystemErrorText(int error);
