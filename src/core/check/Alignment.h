#pragma once

#include "FileCheck.h"

namespace turvane::check {

// Reads the three files side by side, one day at a time, the way a reader
// compares them: the date two files agree on is the right one, so a date, a
// missing line or a line too many in one file is blamed on that file alone.
// Lines with no valid date (reported already) pair with whatever the other
// files have at that place.
class Alignment {
public:
    // A day the meeting and race files both have: line indexes.
    struct Pair {
        std::size_t meeting;
        std::size_t race;
    };

    explicit Alignment(std::array<Checker*, 3> files);

    const std::vector<bool>& blamed(std::size_t f) const { return blamed_[f]; }
    const std::vector<Pair>& pairs() const { return pairs_; }

private:
    static constexpr int End = 100000; // after every date
    static constexpr int Invalid = -1;

    bool Done(std::size_t f) const { return head_[f] >= entries_[f].size(); }
    std::size_t Line(std::size_t f, std::size_t at) const { return entries_[f][at]; }
    // The date at the head of f, or a later entry.
    int DateAt(std::size_t f, std::size_t ahead = 0) const;
    std::size_t Remaining(std::size_t f) const { return entries_[f].size() - head_[f]; }
    std::string Mmdd(std::size_t f) const;

    void Advance(std::initializer_list<std::size_t> files);
    void Walk();
    // Files a and b have the day, file o has a later one or has ended: o
    // either lacks the line or has the wrong date on it. The lines after
    // tell which: after a missing line, a and b go on with o's date.
    void OneFileDiffers(std::size_t o, std::size_t a, std::size_t b);
    // Only file s has the day; the others have a later one or have ended:
    // s has a line too many, or the wrong date on it.
    void OneFileHasTheDay(std::size_t s, std::size_t a, std::size_t b);
    // The line after the head is dated alike in all three.
    bool GoOnAlike(std::size_t f, std::size_t a, std::size_t b) const;
    // f has the wrong date on a line that a and b agree on.
    void WrongDate(std::size_t f, std::size_t a, std::size_t b);
    void Disagree();
    // A run of lines missing at one place is one finding.
    void Missing(std::size_t o, std::size_t a, std::size_t b);
    // A run of lines that only one file has is one finding.
    void Extra(std::size_t s);
    void Flush(std::size_t f);
    void FlushAll();

    struct Run {
        enum class Kind { None, Missing, Extra };
        Kind kind = Kind::None;
        std::size_t place = 0; // 0-based line the run is reported at
        std::size_t count = 0;
        std::size_t other = 0;     // for missing lines: the file that has them
        std::size_t otherLine = 0; // and where they begin there
        std::string first;
        std::string last;
    };

    std::array<Checker*, 3> files_;
    std::array<std::vector<std::size_t>, 3> entries_; // non-empty lines
    std::array<std::size_t, 3> head_{};
    std::array<std::vector<bool>, 3> blamed_;
    std::array<Run, 3> runs_;
    std::vector<Pair> pairs_;
};

} // namespace turvane::check
