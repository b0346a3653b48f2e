#include "Labels.h"

#include "ByteText.h"

namespace turvane {

namespace {

// One half of a month-day label: a two-digit number with a leading zero
// replaced by a full-width blank.
void AppendLabelNumber(std::string& out, std::string_view mmdd, std::size_t start) {
    if (Slice(mmdd, start, 1) == "0") {
        out += cp932::FullWidthBlank;
        out += ToFullWidth(Slice(mmdd, start + 1, 1));
    } else {
        out += ToFullWidth(Slice(mmdd, start, 2));
    }
}

} // namespace

std::string MonthDayLabel(std::string_view mmdd) {
    std::string out;
    AppendLabelNumber(out, mmdd, 1);
    out += cp932::Month;
    AppendLabelNumber(out, mmdd, 3);
    out += cp932::Day;
    return out;
}

bool HasTensDigit(std::string_view bytes, std::size_t at) {
    const auto digit = [&](std::size_t i) {
        return i < bytes.size() && bytes[i] >= '0' && bytes[i] <= '9';
    };
    return digit(at + NumberedWordsTens) && digit(at + NumberedWordsNumerals[1]);
}

std::string NumberedWordsText(std::string_view line, std::size_t start) {
    const auto [numeral1, numeral2] = NumberedWordsNumerals;
    const auto [word1, word2] = NumberedWordsWords;
    std::string out = ToFullWidth(Slice(line, start + numeral1, 1));
    if (HasTensDigit(line, start - 1)) {
        out += Slice(line, start + word1, NumberedWordsTens - word1);
        out += ToFullWidth(Slice(line, start + NumberedWordsTens, 2));
    } else {
        out += Slice(line, start + word1, numeral2 - word1);
        out += ToFullWidth(Slice(line, start + numeral2, 1));
    }
    out += Slice(line, start + word2, NumberedWordsSize - word2);
    return out;
}

} // namespace turvane
