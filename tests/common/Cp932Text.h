#pragma once

#include <string>
#include <vector>

// Code page 932 spellings and the fixed-width slots of the data files, for
// building test lines.
namespace cp932text {

inline const std::string Tokyo = "\x93\x8c\x8b\x9e";   // 東京
inline const std::string Kyoto = "\x8b\x9e\x93\x73";   // 京都
inline const std::string Hanshin = "\x8d\xe3\x90\x5f"; // 阪神
inline const std::string Kai = "\x89\xf1 ";            // "回 "
inline const std::string Nichime = "\x93\xfa\x96\xda"; // 日目
inline const std::string Mark = "\x81\x9f";            // ◆
inline const std::string Star = "\x81\x9a";            // ★

// A meeting's numbers as the course file holds them: "1回 1日目", or with
// the day number's tens digit in place of the blank, "2回12日目".
inline std::string Words(char kai, char day, char tens = ' ') {
    std::string kaiWord = Kai;
    kaiWord.back() = tens;
    return kai + kaiWord + day + Nichime;
}
// One 16-byte meeting slot: mark, course, meeting and day numbers.
inline std::string Meeting(const std::string& course, char kai, char day,
                           const std::string& mark = Mark, char tens = ' ') {
    return mark + course + " " + Words(kai, day, tens);
}
// One 38-byte race slot: course and the race's text, padded.
inline std::string Race(const std::string& course, std::string text) {
    text.resize(34, ' ');
    return course + text;
}
inline const std::string EmptyRace(38, ' ');

// Lines joined as the data files end them.
inline std::string Join(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

} // namespace cp932text
