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

    explicit Alignment(std::array<Checker*, 3> files) : files_(files) {
        bool allRead = true;
        for (std::size_t f = 0; f < 3; ++f) {
            blamed_[f].assign(files_[f]->lines().size(), false);
            allRead = allRead && files_[f]->readable();
            for (std::size_t i = 0; i < files_[f]->lines().size(); ++i) {
                if (!files_[f]->lines()[i].empty()) {
                    entries_[f].push_back(i);
                }
            }
        }
        if (allRead) {
            Walk();
            FlushAll();
            return;
        }
        // Two files cannot outvote each other: the races go with the
        // meetings line by line, as the windows pair them.
        const std::size_t common = std::min(files_[0]->lines().size(), files_[2]->lines().size());
        for (std::size_t i = 0; i < common; ++i) {
            pairs_.push_back({i, i});
        }
    }

    const std::vector<bool>& blamed(std::size_t f) const { return blamed_[f]; }
    const std::vector<Pair>& pairs() const { return pairs_; }

private:
    static constexpr int End = 100000; // after every date
    static constexpr int Invalid = -1;

    bool Done(std::size_t f) const { return head_[f] >= entries_[f].size(); }
    std::size_t Line(std::size_t f, std::size_t at) const { return entries_[f][at]; }
    // The date at the head of f, or a later entry.
    int DateAt(std::size_t f, std::size_t ahead = 0) const {
        const std::size_t at = head_[f] + ahead;
        if (at >= entries_[f].size()) {
            return End;
        }
        return files_[f]->date(Line(f, at)).value_or(Invalid);
    }
    std::size_t Remaining(std::size_t f) const { return entries_[f].size() - head_[f]; }
    std::string Mmdd(std::size_t f) const {
        return QuotedBytes(Slice(files_[f]->lines()[Line(f, head_[f])], 1, 4));
    }

    void Advance(std::initializer_list<std::size_t> files) {
        if (!Done(0) && !Done(2) && std::find(files.begin(), files.end(), 0) != files.end() &&
            std::find(files.begin(), files.end(), 2) != files.end()) {
            pairs_.push_back({Line(0, head_[0]), Line(2, head_[2])});
        }
        for (const std::size_t f : files) {
            ++head_[f];
        }
    }

    void Walk() {
        while (!Done(0) || !Done(1) || !Done(2)) {
            const std::array<int, 3> d{DateAt(0), DateAt(1), DateAt(2)};
            if (std::find(d.begin(), d.end(), Invalid) != d.end() &&
                std::find(d.begin(), d.end(), End) == d.end()) {
                Advance({0, 1, 2});
                continue;
            }
            const auto valid = [](int date) { return date != Invalid && date != End; };
            int least = End;
            for (const int date : d) {
                if (valid(date)) {
                    least = std::min(least, date);
                }
            }
            if (least == End) {
                // Only lines without a date are left, in one or two files.
                for (std::size_t f = 0; f < 3; ++f) {
                    if (!Done(f)) {
                        Extra(f);
                        ++head_[f];
                    }
                }
                continue;
            }
            std::vector<std::size_t> on;
            std::vector<std::size_t> off;
            for (std::size_t f = 0; f < 3; ++f) {
                (d[f] == least ? on : off).push_back(f);
            }
            if (off.empty()) {
                Advance({0, 1, 2});
            } else if (on.size() == 2) {
                OneFileDiffers(off[0], on[0], on[1]);
            } else {
                OneFileHasTheDay(on[0], off[0], off[1]);
            }
        }
    }

    // Files a and b have the day, file o has a later one or has ended: o
    // either lacks the line or has the wrong date on it. The lines after
    // tell which: after a missing line, a and b go on with o's date.
    void OneFileDiffers(std::size_t o, std::size_t a, std::size_t b) {
        const bool missing = Done(o) || (DateAt(a, 1) == DateAt(o) && DateAt(b, 1) == DateAt(o)) ||
                             (!GoOnAlike(o, a, b) && Remaining(o) < Remaining(a));
        if (missing) {
            Missing(o, a, b);
            Advance({a, b});
        } else {
            WrongDate(o, a, b);
        }
    }

    // Only file s has the day; the others have a later one or have ended:
    // s has a line too many, or the wrong date on it.
    void OneFileHasTheDay(std::size_t s, std::size_t a, std::size_t b) {
        const bool othersAgree = DateAt(a) == DateAt(b) && DateAt(a) != End;
        if (othersAgree && DateAt(s, 1) != DateAt(a) &&
            (GoOnAlike(s, a, b) || Remaining(s) <= Remaining(a))) {
            WrongDate(s, a, b);
            return;
        }
        if (!othersAgree && !Done(a) && !Done(b) && DateAt(s, 1) != DateAt(a) &&
            DateAt(s, 1) != DateAt(b)) {
            // All three differ, and the next line settles nothing: each file
            // is compared with the meeting file, as the windows pair them.
            Disagree();
            return;
        }
        Extra(s);
        ++head_[s];
    }

    // The line after the head is dated alike in all three.
    bool GoOnAlike(std::size_t f, std::size_t a, std::size_t b) const {
        return DateAt(f, 1) == DateAt(a, 1) && DateAt(f, 1) == DateAt(b, 1);
    }

    // f has the wrong date on a line that a and b agree on.
    void WrongDate(std::size_t f, std::size_t a, std::size_t b) {
        const std::size_t line = Line(f, head_[f]);
        if (DateAt(f) != Invalid) {
            files_[f]->Report(
                line + 1, 1, Severity::Error,
                Message(QT_TRANSLATE_NOOP("DataCheck", "the date %1 should be %2, as in %3 and %4"),
                        {Mmdd(f), Mmdd(a), files_[a]->name(), files_[b]->name()}));
        }
        blamed_[f][line] = true;
        Advance({0, 1, 2});
    }

    void Disagree() {
        const std::size_t meetingLine = Line(0, head_[0]);
        for (std::size_t f = 1; f < 3; ++f) {
            if (DateAt(f) != DateAt(0)) {
                const std::size_t line = Line(f, head_[f]);
                files_[f]->Report(
                    line + 1, 1, Severity::Error,
                    Message(QT_TRANSLATE_NOOP("DataCheck",
                                              "the date %1 differs from %2 on line %3 of %4"),
                            {Mmdd(f), Mmdd(0), Number(meetingLine + 1), files_[0]->name()}));
                blamed_[f][line] = true;
            }
        }
        Advance({0, 1, 2});
    }

    // A run of lines missing at one place is one finding.
    void Missing(std::size_t o, std::size_t a, std::size_t b) {
        const std::size_t from = a == 0 || b != 0 ? a : b; // the meeting file when it has it
        const std::size_t place = Done(o) ? files_[o]->lines().size() : Line(o, head_[o]);
        Run& run = runs_[o];
        if (run.kind == Run::Kind::Missing && run.place == place && run.other == from) {
            ++run.count;
            run.last = Mmdd(from);
        } else {
            Flush(o);
            run = {Run::Kind::Missing,      place,      1,         from,
                   Line(from, head_[from]), Mmdd(from), Mmdd(from)};
        }
    }

    // A run of lines that only one file has is one finding.
    void Extra(std::size_t s) {
        const std::size_t line = Line(s, head_[s]);
        blamed_[s][line] = true;
        Run& run = runs_[s];
        if (run.kind == Run::Kind::Extra && run.place + run.count == line) {
            ++run.count;
            return;
        }
        Flush(s);
        const bool dated = DateAt(s) != Invalid;
        run = {Run::Kind::Extra, line, 1, 0, 0, dated ? Mmdd(s) : std::string(), {}};
    }

    void Flush(std::size_t f) {
        Run& run = runs_[f];
        const std::array<std::size_t, 2> others{f == 0 ? 1u : 0u, f == 2 ? 1u : 2u};
        if (run.kind == Run::Kind::Missing) {
            files_[f]->Report(
                run.place + 1, 1, Severity::Error,
                run.count == 1
                    ? Message(
                          QT_TRANSLATE_NOOP("DataCheck",
                                            "a line for %1 is missing here; %2 has it on line %3"),
                          {run.first, files_[run.other]->name(), Number(run.otherLine + 1)})
                    : Message(QT_TRANSLATE_NOOP(
                                  "DataCheck",
                                  "%1 lines are missing here, for %2 to %3; %4 has them from line "
                                  "%5 on"),
                              {Number(run.count), run.first, run.last, files_[run.other]->name(),
                               Number(run.otherLine + 1)}));
        } else if (run.kind == Run::Kind::Extra) {
            files_[f]->Report(
                run.place + 1, 1, Severity::Error,
                run.count == 1
                    ? Message(
                          QT_TRANSLATE_NOOP("DataCheck", "this line (%1) is in neither %2 nor %3"),
                          {run.first.empty() ? std::string("''") : run.first,
                           files_[others[0]]->name(), files_[others[1]]->name()})
                    : Message(Plural(run.count - 1,
                                     QT_TRANSLATE_NOOP(
                                         "DataCheck",
                                         "this line and the one after it are in neither %2 nor %3"),
                                     QT_TRANSLATE_NOOP(
                                         "DataCheck",
                                         "this line and the %1 after it are in neither %2 nor %3")),
                              {Number(run.count - 1), files_[others[0]]->name(),
                               files_[others[1]]->name()}));
        }
        run = {};
    }

    void FlushAll() {
        for (std::size_t f = 0; f < 3; ++f) {
            Flush(f);
        }
    }

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
