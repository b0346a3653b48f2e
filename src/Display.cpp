#include "Display.h"

#include "data/Cp932.h"

QString ToDisplay(std::string_view cp932) {
    const std::string utf8 = turvane::Cp932ToUtf8(cp932);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
