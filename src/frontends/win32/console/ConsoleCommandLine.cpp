#include "ConsoleCommandLine.h"

#include "core/Version.h"

#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <array>
#include <system_error>

namespace turvane::win {

namespace {

constexpr char Context[] = "CommandLine";

struct Option {
    const char* name;
    const char* alias;     // a one-letter name, or null
    const char* valueName; // null for an option without a value
    const char* help;
};

// In the order --help lists them, which is the Linux program's order.
constexpr std::array<Option, 6> Options{{
    {"help", "h", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Show this help and exit.")},
    {"version", "v", nullptr, QT_TRANSLATE_NOOP("CommandLine", "Show the version and exit.")},
    {"data", nullptr, "dir",
     QT_TRANSLATE_NOOP("CommandLine", "Read the three data files from <dir> instead of your "
                                      "season of today's year or the program's folder.")},
    {"date", nullptr, "date",
     QT_TRANSLATE_NOOP("CommandLine",
                       "Show the schedule as if today were <date>, given as YYYY-MM-DD.")},
    {"check", nullptr, nullptr,
     QT_TRANSLATE_NOOP("CommandLine", "Check the layout of the three data files, print every "
                                      "problem as FILE:LINE:COLUMN: error|warning: message, and "
                                      "exit: 0 when there is none, 1 when there is any.")},
    {"year", nullptr, "year",
     QT_TRANSLATE_NOOP("CommandLine",
                       "The year the data files describe, four digits (default: the one "
                       "in year.txt beside them, or 2003).")},
}};

std::string Utf8(std::wstring_view text) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(std::max(size, 0)), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(),
                          size, nullptr, nullptr);
    return bytes;
}

std::size_t Characters(std::string_view utf8) {
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// An option's description as the Linux help lays it out: its lines, and
// words that would go past the 79th column, continued under its start.
std::string Wrapped(const std::string& description, std::size_t indent) {
    constexpr std::size_t Columns = 79;
    std::string text;
    std::size_t column = indent;
    std::size_t start = 0;
    while (start <= description.size()) {
        const std::size_t end =
            std::min(description.find_first_of(" \n", start), description.size());
        const std::string_view word(description.data() + start, end - start);
        if (column > indent && column + 1 + Characters(word) > Columns) {
            text += "\n" + std::string(indent, ' ');
            column = indent;
        } else if (column > indent) {
            text += ' ';
            ++column;
        }
        text += word;
        column += Characters(word);
        if (end < description.size() && description[end] == '\n') {
            text += "\n" + std::string(indent, ' ');
            column = indent;
        }
        start = end + 1;
    }
    return text;
}

class Parser {
public:
    explicit Parser(Language language) : language_(language) {}

    std::string Tr(const char* source) const { return Translate(language_, Context, source); }

    Command UsageError(const std::string& message) const {
        Command command;
        command.action = Command::Action::UsageError;
        command.text = Format(
            Tr(QT_TRANSLATE_NOOP("CommandLine", "turvane: %1 (see 'turvane --help')")), {message});
        return command;
    }

    std::string HelpText() const;

    Language language_;
};

std::string Parser::HelpText() const {
    std::string text =
        Format(Translate(language_, "QCommandLineParser",
                         QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1")),
               {"turvane " + Translate(language_, "QCommandLineParser",
                                       QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"))}) +
        "\n" +
        Tr(QT_TRANSLATE_NOOP(
            "CommandLine",
            "Shows the horse-racing meeting schedule of one racing year: the meeting\n"
            "calendar, the same days by racecourse, today's meetings and the next meeting\n"
            "day, and the year's graded races. It reads Cal1.dat, Cal2.dat and jyuusyou.dat\n"
            "from the folder given with --data; without it, from your season of today's\n"
            "year, %APPDATA%\\Turvane\\<year>, when there is one, and otherwise from the\n"
            "folder of the program. The year is --year, or the one year.txt beside the\n"
            "files records, or 2003.")) +
        "\n\n" +
        Translate(language_, "QCommandLineParser",
                  QT_TRANSLATE_NOOP("QCommandLineParser", "Options:")) +
        "\n";
    std::vector<std::string> names;
    std::size_t width = 0;
    for (const Option& option : Options) {
        std::string name = option.alias ? std::string("-") + option.alias + ", " : std::string();
        name += std::string("--") + option.name;
        if (option.valueName) {
            name += std::string(" <") + option.valueName + ">";
        }
        width = std::max(width, name.size());
        names.push_back(std::move(name));
    }
    for (std::size_t i = 0; i < Options.size(); ++i) {
        text += "  " + names[i] + std::string(width - names[i].size() + 2, ' ') +
                Wrapped(Tr(Options[i].help), width + 4) + "\n";
    }
    return text;
}

// "YYYY-MM-DD" naming a day of the calendar.
std::optional<CivilDate> ParseDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    for (const std::size_t at : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (text[at] < '0' || text[at] > '9') {
            return std::nullopt;
        }
    }
    return CivilDate{std::stoi(text.substr(0, 4)), std::stoi(text.substr(5, 2)),
                     std::stoi(text.substr(8, 2))};
}

bool IsDayOfTheCalendar(const CivilDate& date) {
    // Leap years repeat every 400 years; there is no year 0.
    return date.year > 0 && ScheduleYear(2000 + date.year % 400).HasDay(date.month, date.day);
}

} // namespace

Command ParseCommandLine(const std::vector<std::wstring>& arguments, Language language) {
    const Parser parser(language);
    std::vector<std::optional<std::string>> given(Options.size());
    bool optionsEnd = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string argument = Utf8(arguments[i]);
        if (optionsEnd || argument.size() < 2 || argument[0] != '-' || argument == "--") {
            if (argument == "--" && !optionsEnd) {
                optionsEnd = true;
                continue;
            }
            return parser.UsageError(
                Format(parser.Tr(QT_TRANSLATE_NOOP("CommandLine", "unexpected argument '%1'")),
                       {argument}));
        }
        // --name, -name, --name=value and -name=value, as on Linux.
        const std::size_t dashes = argument[1] == '-' ? 2 : 1;
        const std::size_t equals = argument.find('=');
        const std::string typed = argument.substr(0, equals);
        const std::string name = typed.substr(dashes);
        const auto option = std::find_if(Options.begin(), Options.end(), [&](const Option& o) {
            return name == o.name || (o.alias && name == o.alias);
        });
        if (option == Options.end()) {
            return parser.UsageError(Format(
                parser.Tr(QT_TRANSLATE_NOOP("CommandLine", "unknown option '%1'")), {typed}));
        }
        auto& value = given[static_cast<std::size_t>(option - Options.begin())];
        if (!option->valueName) {
            if (equals != std::string::npos) {
                return parser.UsageError(Format(
                    parser.Tr(QT_TRANSLATE_NOOP("CommandLine", "'%1' takes no value")), {typed}));
            }
            value = std::string();
        } else if (equals != std::string::npos) {
            value = argument.substr(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = Utf8(arguments[++i]);
        } else {
            return parser.UsageError(Format(
                parser.Tr(QT_TRANSLATE_NOOP("CommandLine", "missing value after '%1'")), {typed}));
        }
    }
    const auto& [help, version, data, date, check, year] =
        std::tie(given[0], given[1], given[2], given[3], given[4], given[5]);

    Command command;
    if (data) {
        const std::filesystem::path dir(std::u8string(data->begin(), data->end()));
        std::error_code error;
        if (data->empty() || !std::filesystem::is_directory(dir, error)) {
            return parser.UsageError(Format(
                parser.Tr(QT_TRANSLATE_NOOP("CommandLine", "--data: '%1' is not a directory")),
                {*data}));
        }
        command.dataDir = dir;
    }
    if (date) {
        const std::optional<CivilDate> day = ParseDate(*date);
        if (!day) {
            return parser.UsageError(
                Format(parser.Tr(QT_TRANSLATE_NOOP(
                           "CommandLine", "--date: '%1' is not a date of the form YYYY-MM-DD")),
                       {*date}));
        }
        if (!IsDayOfTheCalendar(*day)) {
            return parser.UsageError(
                Format(parser.Tr(QT_TRANSLATE_NOOP("CommandLine",
                                                   "--date: '%1' is no day of the calendar")),
                       {*date}));
        }
        command.date = day;
    }
    if (year) {
        const bool digits =
            year->size() == 4 &&
            std::all_of(year->begin(), year->end(), [](char c) { return c >= '0' && c <= '9'; });
        if (!digits || std::stoi(*year) < ScheduleYear::First) {
            return parser.UsageError(
                Format(parser.Tr(QT_TRANSLATE_NOOP("CommandLine",
                                                   "--year: '%1' is not a year from 1000 to 9999")),
                       {*year}));
        }
        command.year = ScheduleYear(std::stoi(*year));
    }
    if (help) {
        command.action = Command::Action::Help;
        command.text = parser.HelpText();
    } else if (version) {
        command.action = Command::Action::Version;
        command.text = std::string("turvane " TURVANE_VERSION "\n") +
                       parser.Tr(QT_TRANSLATE_NOOP(
                           "CommandLine", "Copyright (C) 2026 Turvane developers\n"
                                          "This is free software under the MIT licence.\n"));
    } else if (check) {
        command.action = Command::Action::Check;
    }
    return command;
}

std::vector<std::wstring> ProcessArguments() {
    int count = 0;
    wchar_t** list = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::wstring> arguments(list, list + (list ? count : 0));
    ::LocalFree(list);
    return arguments;
}

} // namespace turvane::win
