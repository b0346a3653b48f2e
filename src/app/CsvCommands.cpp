#include "CsvCommands.h"

#include "CheckCommand.h"
#include "CommandLine.h"
#include "DataFailures.h"
#include "core/DataDir.h"
#include "core/DateKeys.h"
#include "core/FileSource.h"
#include "core/Platform.h"
#include "core/Seasons.h"
#include "core/season/NewFiles.h"
#include "core/season/ScheduleCsv.h"
#include "outputs/SystemError.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

namespace {

namespace fs = std::filesystem;

void Say(std::FILE* stream, const QString& message) {
    std::fputs((QStringLiteral("turvane: ") + message + QLatin1Char('\n')).toUtf8().constData(),
               stream);
}

void Print(const std::vector<turvane::Finding>& findings) {
    for (const turvane::Finding& finding : findings) {
        std::fputs((FormatTranslated(finding) + '\n').c_str(), stderr);
    }
}

fs::path PathOf(const QString& name) {
    return fs::path(QFile::encodeName(name).toStdString());
}

QString Shown(const fs::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

// Reports why files were not written; true when they were.
bool Written(const turvane::NewFilesResult& result) {
    using Status = turvane::NewFilesResult::Status;
    if (result.status == Status::Written) {
        return true;
    }
    for (const fs::path& path : result.paths) {
        Say(stderr,
            result.status == Status::AlreadyExist
                ? QCoreApplication::translate(
                      "CommandLine", "'%1' exists already and stays as it is; nothing was written")
                      .arg(Shown(path))
                : QCoreApplication::translate("CommandLine",
                                              "cannot write '%1': %2; nothing was written")
                      .arg(Shown(path), SystemErrorText(result.error)));
    }
    return false;
}

// Where an import writes: the directory --data names, or else a new folder
// of the user's seasons named by the year. A season there is never
// replaced; none when it cannot be written, said why.
std::optional<fs::path> ImportDirectory(const CommandLine& command, turvane::ScheduleYear year) {
    if (!command.dataDir.isEmpty()) {
        return PathOf(command.dataDir);
    }
    const fs::path seasons = turvane::UserSeasonsDirectory();
    if (seasons.empty()) {
        Say(stderr, QCoreApplication::translate("CommandLine",
                                                "this system names no folder for your seasons; "
                                                "give --data <dir>, the directory to build the "
                                                "files in; nothing was written"));
        return std::nullopt;
    }
    const fs::path folder = turvane::SeasonFolder(seasons, year);
    std::error_code error;
    if (fs::exists(fs::symlink_status(folder, error))) {
        Say(stderr,
            QCoreApplication::translate(
                "CommandLine",
                "your season of %1 exists already in '%2' and stays as it is; nothing was "
                "written. To replace it, delete that folder first; to keep both, import into a "
                "directory of your choice with --data <dir>")
                .arg(year.value())
                .arg(Shown(folder)));
        return std::nullopt;
    }
    return folder;
}

} // namespace

int RunExportCsv(const CommandLine& command) {
    const turvane::CsvExport result =
        turvane::ExportScheduleCsv(*FilesFor(command), command.year.value());
    if (result.checkFailed) {
        const auto error = std::find_if(
            result.findings.begin(), result.findings.end(),
            [](const turvane::Finding& f) { return f.severity == turvane::Severity::Error; });
        SayOnStandardError(DataFailureLine(
            error != result.findings.end() ? *error : result.findings.front(),
            QCoreApplication::translate("CommandLine", "nothing was exported"), command));
        return 1;
    }
    Print(result.findings);
    if (!result.ok) {
        Say(stderr, QCoreApplication::translate(
                        "CommandLine",
                        "nothing was exported: a CSV file cannot carry what is named above"));
        return 1;
    }
    if (!result.findings.empty()) {
        Say(stderr,
            QCoreApplication::translate(
                "CommandLine", "an import of the CSV file writes the lines named above otherwise"));
    }
    if (command.csvFile == QStringLiteral("-")) {
        const bool ok =
            std::fwrite(result.csv.data(), 1, result.csv.size(), stdout) == result.csv.size() &&
            std::fflush(stdout) == 0;
        if (!ok) {
            Say(stderr, QCoreApplication::translate("CommandLine",
                                                    "cannot write the CSV to standard output: %1")
                            .arg(SystemErrorText(errno)));
        }
        return ok ? 0 : 1;
    }
    // Never over a file of that name: it may hold a season edited by hand.
    const fs::path path = PathOf(command.csvFile);
    const fs::path directory = path.has_parent_path() ? path.parent_path() : fs::path(".");
    return Written(turvane::WriteNewFiles(directory, {{path.filename().string(), result.csv}})) ? 0
                                                                                                : 1;
}

int RunImportCsv(const CommandLine& command) {
    const bool fromStdin = command.csvFile == QStringLiteral("-");
    std::ifstream file;
    if (!fromStdin) {
        file.open(PathOf(command.csvFile), std::ios::binary);
        if (!file) {
            Say(stderr, QCoreApplication::translate("CommandLine", "cannot read '%1': %2")
                            .arg(command.csvFile, SystemErrorText(errno)));
            return 1;
        }
    }
    std::istream& in = fromStdin ? std::cin : file;
    // As much as the data files themselves may hold, and no more.
    std::string csv;
    char chunk[1 << 16];
    while (csv.size() <= turvane::DataDir::DefaultMaxTextBytes &&
           in.read(chunk, sizeof chunk).gcount() > 0) {
        csv.append(chunk, static_cast<std::size_t>(in.gcount()));
    }
    if (csv.size() > turvane::DataDir::DefaultMaxTextBytes) {
        Say(stderr, QCoreApplication::translate("CommandLine",
                                                "'%1' is larger than %2 MiB; nothing was written")
                        .arg(command.csvFile)
                        .arg(turvane::DataDir::DefaultMaxTextBytes >> 20));
        return 1;
    }
    const std::string name =
        fromStdin ? std::string("<stdin>") : QFile::encodeName(command.csvFile).toStdString();
    // The year comes from the CSV's dates unless --year asks for one.
    const turvane::CsvImport result = turvane::ImportScheduleCsv(
        csv, name, command.yearGiven ? std::optional<int>(command.year.value()) : std::nullopt);
    if (!result.files) {
        Print(result.problems);
        Say(stderr, QCoreApplication::translate("CommandLine",
                                                "nothing was written; the CSV file's problems "
                                                "are listed above"));
        return 1;
    }
    const turvane::ScheduleYear year(result.year);
    const std::optional<fs::path> directory = ImportDirectory(command, year);
    if (!directory) {
        return 1;
    }
    std::vector<turvane::NewFile> files;
    for (std::size_t f = 0; f < turvane::DataFileCount; ++f) {
        files.push_back({std::string(turvane::DataFileNames[f]), (*result.files)[f]});
    }
    files.push_back({std::string(turvane::YearFile), turvane::YearFileText(year)});
    if (!Written(turvane::WriteNewFiles(*directory, files))) {
        return 1;
    }
    Say(stdout, QCoreApplication::translate(
                    "CommandLine", "wrote Cal1.dat, Cal2.dat, jyuusyou.dat and year.txt (%1) into "
                                   "'%2'")
                    .arg(result.year)
                    .arg(Shown(*directory)));
    if (command.dataDir.isEmpty()) {
        Say(stdout,
            QCoreApplication::translate("CommandLine", "started without --data in %1, the program "
                                                       "shows this season")
                .arg(result.year));
    }
    return 0;
}
