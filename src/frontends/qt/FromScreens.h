#pragma once

#include "screens/Design.h"
#include "screens/Texts.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <string_view>
#include <vector>

// The screens layer's UTF-16 texts, pixels and colours as Qt's.

inline QString ToQString(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

inline QRect ToQRect(const turvane::screens::Rect& r) {
    return {r.left, r.top, r.width, r.height};
}

inline QColor ToQColor(const turvane::screens::Rgb& c) {
    return {c.red, c.green, c.blue};
}

// A fill's texts, each converted once, so that repeated texts share one
// QString.
inline std::vector<QString> ToQStrings(const turvane::screens::TextTable& texts) {
    std::vector<QString> converted;
    converted.reserve(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        converted.push_back(ToQString(texts[static_cast<turvane::screens::TextTable::Index>(i)]));
    }
    return converted;
}
