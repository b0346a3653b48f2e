#include "PaperMarks.h"

#include <array>

namespace turvane {

int Weekday(int year, int month, int day) {
    // Counting March as the year's first month puts the leap day last.
    static constexpr std::array<int, 12> Offsets = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3) {
        --year;
    }
    return (year + year / 4 - year / 100 + year / 400 +
            Offsets[static_cast<std::size_t>(month - 1)] + day) %
           7;
}

DayKind KindOf(int weekday) {
    switch (weekday) {
    case 6:
        return DayKind::Saturday;
    case 0:
        return DayKind::Sunday;
    default:
        return DayKind::Holiday;
    }
}

std::u16string WeekdayLabel(int weekday) {
    static constexpr std::u16string_view Names = u"日月火水木金土";
    std::u16string label = u"(";
    label += Names[static_cast<std::size_t>(weekday)];
    if (KindOf(weekday) == DayKind::Holiday) {
        label += u"・祝";
    }
    return label + u")";
}

std::optional<MonthDay> DayOfYear(std::string_view line, ScheduleYear year) {
    const std::optional<MonthDay> date = ParseMonthDay(line);
    if (!date || !year.HasDay(date->month, date->day)) {
        return std::nullopt;
    }
    return date;
}

bool IsGradeOne(std::u16string_view text) {
    for (std::size_t at = 0; at + 1 < text.size(); ++at) {
        const char16_t g = text[at];
        if (g != u'G' && g != u'Ｇ') {
            continue;
        }
        const char16_t grade = text[at + 1];
        const char16_t after = at + 2 < text.size() ? text[at + 2] : u' ';
        const bool digitAfter =
            (after >= u'0' && after <= u'9') || (after >= u'０' && after <= u'９');
        if (grade == u'Ⅰ' || ((grade == u'1' || grade == u'１') && !digitAfter)) {
            return true;
        }
    }
    return false;
}

namespace {
bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\u3000';
}
} // namespace

std::u16string_view TrimBlanks(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    return VisibleText(text);
}

std::u16string_view VisibleText(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace turvane
