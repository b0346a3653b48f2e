#include "Alignment.h"

namespace turvane::check {

Alignment::Alignment(std::array<Checker*, 3> files) : files_(files) {
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

int Alignment::DateAt(std::size_t f, std::size_t ahead) const {
    const std::size_t at = head_[f] + ahead;
    if (at >= entries_[f].size()) {
        return End;
    }
    return files_[f]->date(Line(f, at)).value_or(Invalid);
}
std::string Alignment::Mmdd(std::size_t f) const {
    return QuotedBytes(Slice(files_[f]->lines()[Line(f, head_[f])], 1, 4));
}

void Alignment::Advance(std::initializer_list<std::size_t> files) {
    if (!Done(0) && !Done(2) && std::find(files.begin(), files.end(), 0) != files.end() &&
        std::find(files.begin(), files.end(), 2) != files.end()) {
        pairs_.push_back({Line(0, head_[0]), Line(2, head_[2])});
    }
    for (const std::size_t f : files) {
        ++head_[f];
    }
}

void Alignment::Walk() {
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

void Alignment::OneFileDiffers(std::size_t o, std::size_t a, std::size_t b) {
    const bool missing = Done(o) || (DateAt(a, 1) == DateAt(o) && DateAt(b, 1) == DateAt(o)) ||
                         (!GoOnAlike(o, a, b) && Remaining(o) < Remaining(a));
    if (missing) {
        Missing(o, a, b);
        Advance({a, b});
    } else {
        WrongDate(o, a, b);
    }
}

void Alignment::OneFileHasTheDay(std::size_t s, std::size_t a, std::size_t b) {
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

bool Alignment::GoOnAlike(std::size_t f, std::size_t a, std::size_t b) const {
    return DateAt(f, 1) == DateAt(a, 1) && DateAt(f, 1) == DateAt(b, 1);
}

void Alignment::WrongDate(std::size_t f, std::size_t a, std::size_t b) {
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

void Alignment::Disagree() {
    const std::size_t meetingLine = Line(0, head_[0]);
    for (std::size_t f = 1; f < 3; ++f) {
        if (DateAt(f) != DateAt(0)) {
            const std::size_t line = Line(f, head_[f]);
            files_[f]->Report(
                line + 1, 1, Severity::Error,
                Message(
                    QT_TRANSLATE_NOOP("DataCheck", "the date %1 differs from %2 on line %3 of %4"),
                    {Mmdd(f), Mmdd(0), Number(meetingLine + 1), files_[0]->name()}));
            blamed_[f][line] = true;
        }
    }
    Advance({0, 1, 2});
}

void Alignment::Missing(std::size_t o, std::size_t a, std::size_t b) {
    const std::size_t from = a == 0 || b != 0 ? a : b; // the meeting file when it has it
    const std::size_t place = Done(o) ? files_[o]->lines().size() : Line(o, head_[o]);
    Run& run = runs_[o];
    if (run.kind == Run::Kind::Missing && run.place == place && run.other == from) {
        ++run.count;
        run.last = Mmdd(from);
    } else {
        Flush(o);
        run = {Run::Kind::Missing, place, 1, from, Line(from, head_[from]), Mmdd(from), Mmdd(from)};
    }
}

void Alignment::Extra(std::size_t s) {
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

void Alignment::Flush(std::size_t f) {
    Run& run = runs_[f];
    const std::array<std::size_t, 2> others{f == 0 ? 1u : 0u, f == 2 ? 1u : 2u};
    if (run.kind == Run::Kind::Missing) {
        files_[f]->Report(
            run.place + 1, 1, Severity::Error,
            run.count == 1
                ? Message(QT_TRANSLATE_NOOP("DataCheck",
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
                ? Message(QT_TRANSLATE_NOOP("DataCheck", "this line (%1) is in neither %2 nor %3"),
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

void Alignment::FlushAll() {
    for (std::size_t f = 0; f < 3; ++f) {
        Flush(f);
    }
}

} // namespace turvane::check
