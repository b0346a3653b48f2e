#pragma once

#include <QString>

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

// The one place where code page 932 bytes become display text.
QString ToDisplay(std::string_view cp932);

// ToDisplay for filling a grid: texts that repeat (a blank course slot, the
// same meeting on many days) are converted once and share one QString, which
// keeps large grids small. Remembers a bounded number of distinct texts.
class DisplayTexts {
public:
    QString operator()(std::string_view cp932);

private:
    // Looks texts up by their bytes without first copying them into a key.
    struct BytesHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view bytes) const {
            return std::hash<std::string_view>{}(bytes);
        }
    };
    static constexpr std::size_t MaxRemembered = 4096;
    std::unordered_map<std::string, QString, BytesHash, std::equal_to<>> remembered_;
};
