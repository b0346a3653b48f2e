#pragma once

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// A season far busier than any real one, to see the poster and the printed
// tables still fit: `days` meeting days spread over the year, each with three
// meetings and three graded races, the meetings and race texts taken in turn
// from the sample year's files in dir (so their widths are real ones).
struct BusySeasonFiles {
    std::string calendar; // Cal1.dat
    std::string courses;  // Cal2.dat, every course slot blank
    std::string races;    // jyuusyou.dat
};

inline BusySeasonFiles BusySeason(int days, const std::string& dir) {
    const auto lines = [&](const char* name) {
        std::ifstream in(dir + "/" + name, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        std::vector<std::string> out;
        std::string line;
        while (std::getline(bytes, line)) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            out.push_back(line);
        }
        return out;
    };
    std::vector<std::string> meetings;
    for (const std::string& line : lines("Cal1.dat")) {
        for (std::size_t at = 4; at + 16 <= line.size(); at += 16) {
            if (line.compare(at, 16, std::string(16, ' ')) != 0) {
                meetings.push_back(line.substr(at, 16));
            }
        }
    }
    std::vector<std::string> races;
    for (const std::string& line : lines("jyuusyou.dat")) {
        for (std::size_t at = 4; at + 38 <= line.size(); at += 38) {
            if (line.compare(at, 4, "    ") != 0) {
                races.push_back(line.substr(at + 4, 34));
            }
        }
    }
    static constexpr std::array<int, 12> Lengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    BusySeasonFiles files;
    for (int i = 0; i < days; ++i) {
        int dayOfYear = 4 + i * 360 / days;
        int month = 0;
        while (dayOfYear >= Lengths[static_cast<std::size_t>(month)]) {
            dayOfYear -= Lengths[static_cast<std::size_t>(month++)];
        }
        char date[32];
        std::snprintf(date, sizeof date, "%02d%02d", month + 1, dayOfYear + 1);
        std::string calendar = date;
        std::string race = date;
        for (int k = 0; k < 3; ++k) {
            const std::string& meeting =
                meetings[static_cast<std::size_t>(3 * i + k) % meetings.size()];
            calendar += meeting;
            race +=
                meeting.substr(2, 4) + races[static_cast<std::size_t>(3 * i + k) % races.size()];
        }
        files.calendar += calendar + "\r\n";
        files.courses += std::string(date) + std::string(90, ' ') + "\r\n";
        files.races += race + "\r\n";
    }
    return files;
}
