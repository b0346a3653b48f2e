#include "FileCheck.h"

namespace turvane::check {

namespace {

std::vector<Piece> NumberedWordPieces(std::size_t at) {
    return {{at + NumberedWordsNumerals[0], QT_TRANSLATE_NOOP("DataCheck", "first numeral")},
            {at + NumberedWordsWords[0], QT_TRANSLATE_NOOP("DataCheck", "first word")},
            {at + NumberedWordsNumerals[1], QT_TRANSLATE_NOOP("DataCheck", "second numeral")},
            {at + NumberedWordsWords[1], QT_TRANSLATE_NOOP("DataCheck", "second word")}};
}

bool IsDigitOrBlank(char c) {
    return c == ' ' || (c >= '0' && c <= '9');
}

// Two double-byte characters, as racecourse names are in every file.
bool IsCourseName(std::string_view name) {
    return name.size() == CourseNameSize && IsLeadByte(static_cast<unsigned char>(name[0])) &&
           IsLeadByte(static_cast<unsigned char>(name[2]));
}

std::string Hex(std::string_view bytes) {
    std::string out;
    for (const char c : bytes) {
        char text[8];
        std::snprintf(text, sizeof text, "%s0x%02X", out.empty() ? "" : " ",
                      static_cast<unsigned>(static_cast<unsigned char>(c)));
        out += text;
    }
    return out;
}

} // namespace

Layout MeetingLayout() {
    Layout layout{QT_TRANSLATE_NOOP("DataCheck", "meeting slot %1"),
                  MeetingSlots,
                  MeetingSlotStart,
                  MeetingSlotSize,
                  {{0, QT_TRANSLATE_NOOP("DataCheck", "racecourse label")},
                   {MeetingNameOffset, QT_TRANSLATE_NOOP("DataCheck", "racecourse name")},
                   {MeetingNameOffset + CourseNameSize,
                    QT_TRANSLATE_NOOP("DataCheck", "blank after the racecourse name")}},
                  MeetingNameOffset,
                  MeetingLabelSize};
    const std::vector<Piece> words = NumberedWordPieces(MeetingLabelSize);
    layout.pieces.insert(layout.pieces.end(), words.begin(), words.end());
    return layout;
}

Layout CourseLayout() {
    return {QT_TRANSLATE_NOOP("DataCheck", "course slot %1"),
            CourseCount,
            CourseSlotStart,
            NumberedWordsSize,
            NumberedWordPieces(0),
            std::nullopt,
            0};
}

Layout RaceLayout() {
    return {QT_TRANSLATE_NOOP("DataCheck", "race slot %1"),
            RaceSlots,
            RaceSlotStart,
            RaceSlotSize,
            {{0, QT_TRANSLATE_NOOP("DataCheck", "racecourse name")},
             {CourseNameSize, QT_TRANSLATE_NOOP("DataCheck", "race text")}},
            0,
            std::nullopt,
            true};
}

std::string Number(std::size_t n) {
    return std::to_string(n);
}

const char* Plural(std::size_t n, const char* one, const char* many) {
    return n == 1 ? one : many;
}

Checker::Checker(const CheckedFile& file, const Layout& layout, ScheduleYear year,
                 std::vector<Finding>& findings)
    : file_(file), layout_(layout), year_(year), findings_(findings) {
    if (!file.bytes) {
        Report(0, 0, Severity::Error, QT_TRANSLATE_NOOP("DataCheck", "cannot open the file"));
        return;
    }
    CheckNul(*file.bytes);
    lines_ = LineList::Split(*file.bytes);
    dates_.resize(lines_.size());
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::size_t line = i + 1;
        if (lines_[i].empty()) {
            Report(line, 1, Severity::Error, QT_TRANSLATE_NOOP("DataCheck", "the line is empty"));
            continue;
        }
        dates_[i] = CheckDate(lines_[i], line);
        const std::size_t badBytes = CheckCharacters(lines_[i], line);
        CheckSlots(lines_[i], line, badBytes);
    }
}

std::string Checker::name() const {
    const std::string_view path = file_.path;
    return std::string(path.substr(path.rfind('/') + 1));
}

void Checker::Report(std::size_t line, std::size_t column, Severity severity, Message message) {
    findings_.push_back({file_.path, line, column, severity, std::move(message)});
}

void Checker::CheckOrder(const std::vector<bool>& blamed) {
    std::optional<std::size_t> previous;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (!dates_[i] || blamed[i]) {
            continue;
        }
        if (previous) {
            CheckOrder(*previous, i);
        }
        previous = i;
    }
}

void Checker::CheckNul(const std::string& bytes) {
    const std::size_t nul = bytes.find('\0');
    if (nul == std::string::npos || nul + 1 == bytes.size()) {
        return;
    }
    const std::string before = bytes.substr(0, nul);
    const LineList lines = LineList::Split(before);
    const bool onNewLine = before.empty() || before.back() == '\r' || before.back() == '\n';
    const std::size_t line = onNewLine ? lines.size() + 1 : lines.size();
    const std::size_t column = onNewLine ? 1 : lines[lines.size() - 1].size() + 1;
    const std::size_t rest = bytes.size() - nul - 1;
    Report(line, column, Severity::Warning,
           Message(Plural(rest,
                          QT_TRANSLATE_NOOP(
                              "DataCheck",
                              "a NUL byte ends the text here; what follows it (%1 byte) is "
                              "never read"),
                          QT_TRANSLATE_NOOP("DataCheck", "a NUL byte ends the text here; "
                                                         "what follows it (%1 bytes) is "
                                                         "never read")),
                   {Number(rest)}));
}

std::optional<int> Checker::CheckDate(std::string_view text, std::size_t line) {
    const std::string_view mmdd = Slice(text, 1, 4);
    const std::optional<MonthDay> date = ParseMonthDay(text);
    if (!date) {
        Report(line, 1, Severity::Error,
               Message(
                   QT_TRANSLATE_NOOP("DataCheck", "the date %1 is not four digits (month and day)"),
                   {QuotedBytes(mmdd)}));
        return std::nullopt;
    }
    const int month = date->month;
    const int dayOfMonth = date->day;
    if (!year_.HasDay(month, dayOfMonth)) {
        Report(line, 1, Severity::Error,
               Message(QT_TRANSLATE_NOOP("DataCheck", "the date %1 is not a day of %2"),
                       {QuotedBytes(mmdd), std::string(year_.text())}));
        return std::nullopt;
    }
    return month * 100 + dayOfMonth;
}

void Checker::CheckOrder(std::size_t previous, std::size_t i) {
    const std::string mmdd = QuotedBytes(Slice(lines_[i], 1, 4));
    if (*dates_[i] == *dates_[previous]) {
        Report(i + 1, 1, Severity::Error,
               Message(QT_TRANSLATE_NOOP("DataCheck", "the date %1 repeats the one on line %2"),
                       {mmdd, Number(previous + 1)}));
    } else if (*dates_[i] < *dates_[previous]) {
        Report(i + 1, 1, Severity::Error,
               Message(QT_TRANSLATE_NOOP("DataCheck", "the date %1 comes after %2 on line %3; "
                                                      "the lines must be in date "
                                                      "order"),
                       {mmdd, QuotedBytes(Slice(lines_[previous], 1, 4)), Number(previous + 1)}));
    }
}

std::optional<Message> Checker::PieceAt(std::size_t position) const {
    if (position == layout_.End()) {
        return Message(QT_TRANSLATE_NOOP("DataCheck", "the bytes after %1"),
                       {layout_.Slot(layout_.slots)});
    }
    for (int k = 1; k <= layout_.slots; ++k) {
        for (const Piece& piece : layout_.pieces) {
            if (layout_.slotStart(k) + piece.offset == position) {
                return Message(QT_TRANSLATE_NOOP("DataCheck", "the %1 of %2"),
                               {Message(piece.name), layout_.Slot(k)});
            }
        }
    }
    return std::nullopt;
}

std::size_t Checker::CheckCharacters(std::string_view text, std::size_t line) {
    std::size_t reports = 0;
    const auto report = [&](std::size_t column, Message message) {
        Report(line, column, Severity::Error, std::move(message));
        ++reports;
    };
    using Kind = Cp932Step::Kind;
    for (std::size_t i = 0; i < text.size();) {
        // The decoder's own steps, so a report falls where a U+FFFD shows.
        const Cp932Step step = StepCp932(text, i);
        if (step.kind == Kind::UndefinedSingle) {
            report(i + 1,
                   Message(QT_TRANSLATE_NOOP("DataCheck",
                                             "the byte %1 is not a character of code page 932"),
                           {Hex(text.substr(i, 1))}));
        } else if (step.kind == Kind::CutByEnd) {
            report(i + 1,
                   QT_TRANSLATE_NOOP("DataCheck",
                                     "a double-byte character is cut by the end of the line"));
            break;
        } else if (std::optional<Message> piece =
                       step.startsPair() ? PieceAt(i + 2) : std::nullopt) {
            report(i + 1,
                   Message(QT_TRANSLATE_NOOP(
                               "DataCheck", "a double-byte character is cut: its second byte (byte "
                                            "%1) starts %2"),
                           {Number(i + 2), std::move(*piece)}));
            i += 2;
            continue;
        } else if (step.kind == Kind::UndefinedPair) {
            report(i + 1,
                   Message(QT_TRANSLATE_NOOP("DataCheck",
                                             "the bytes %1 are not a character of code page 932"),
                           {Hex(text.substr(i, 2))}));
        }
        i += step.length;
    }
    return reports;
}

void Checker::CheckSlots(std::string_view text, std::size_t line, std::size_t badCharacters) {
    for (int k = 1; k <= layout_.slots; ++k) {
        const std::size_t start = layout_.slotStart(k);
        const std::string_view slot = Slice(text, start, layout_.slotSize);
        // A line may end before a slot, and trailing blanks are nothing to
        // show. A line with cut or foreign characters is out of shape
        // already, and has been reported.
        if (IsBlank(slot) || badCharacters > 0) {
            continue;
        }
        if (slot.size() < layout_.slotSize && !layout_.freeText) {
            Report(
                line, start, Severity::Error,
                Message(Plural(slot.size(),
                               QT_TRANSLATE_NOOP("DataCheck",
                                                 "%1 ends with the line after %2 byte of its %3"),
                               QT_TRANSLATE_NOOP("DataCheck",
                                                 "%1 ends with the line after %2 bytes of its %3")),
                        {layout_.Slot(k), Number(slot.size()), Number(layout_.slotSize)}));
            continue;
        }
        if (layout_.nameAt) {
            const std::string_view name = slot.substr(*layout_.nameAt, CourseNameSize);
            if (layout_.freeText && IsBlank(name)) {
                continue;
            }
            if (!IsCourseName(name)) {
                Report(line, start + *layout_.nameAt, Severity::Error, NotACourseName(k, name));
            }
        }
        if (!layout_.wordsAt) {
            continue;
        }
        for (const std::size_t at : NumberedWordsNumerals) {
            const std::size_t offset = *layout_.wordsAt + at;
            if (!IsDigitOrBlank(slot[offset])) {
                Report(line, start + offset, Severity::Error,
                       Message(QT_TRANSLATE_NOOP("DataCheck",
                                                 "%1: %2 stands where a digit or a blank belongs"),
                               {layout_.Slot(k), QuotedBytes(slot.substr(offset, 1))}));
            }
        }
        // The tens digit of a day number of 10 or more, which needs its ones.
        const std::size_t tens = *layout_.wordsAt + NumberedWordsTens;
        if (slot[tens] >= '0' && slot[tens] <= '9' && !HasTensDigit(slot, *layout_.wordsAt)) {
            Report(line, start + tens, Severity::Error,
                   Message(QT_TRANSLATE_NOOP("DataCheck",
                                             "%1: the tens digit %2 of the day number is not "
                                             "followed by a digit"),
                           {layout_.Slot(k), QuotedBytes(slot.substr(tens, 1))}));
        }
    }
    const std::size_t end = layout_.End();
    if (text.size() >= end && !IsBlank(text.substr(end - 1))) {
        const std::size_t after = text.size() - end + 1;
        Report(
            line, end, Severity::Warning,
            Message(Plural(after, QT_TRANSLATE_NOOP("DataCheck", "%1 byte after %2 is never shown"),
                           QT_TRANSLATE_NOOP("DataCheck", "%1 bytes after %2 are never shown")),
                    {Number(after), layout_.Slot(layout_.slots)}));
    }
}

Message Checker::NotACourseName(int k, std::string_view name) const {
    return Message(QT_TRANSLATE_NOOP(
                       "DataCheck", "%1: the racecourse name %2 is not two double-byte characters"),
                   {layout_.Slot(k), QuotedBytes(name)});
}

} // namespace turvane::check
