#include "Display.h"

#include "core/Cp932.h"

QString ToDisplay(std::string_view cp932) {
    QString text(static_cast<qsizetype>(cp932.size()), Qt::Uninitialized);
    text.truncate(static_cast<qsizetype>(
        turvane::DecodeCp932(cp932, reinterpret_cast<char16_t*>(text.data()))));
    return text;
}

QString DisplayTexts::operator()(std::string_view cp932) {
    if (const auto it = remembered_.find(cp932); it != remembered_.end()) {
        return it->second;
    }
    QString text = ToDisplay(cp932);
    if (remembered_.size() < MaxRemembered) {
        remembered_.emplace(std::string(cp932), text);
    }
    return text;
}
