#pragma once

// Which season the program shows, decided once for the window and every
// command, so that --check, --pdf, --ics and --export-csv read what the
// window would.

#include <QString>

#include <filesystem>

struct CommandLine;

// Where the data files were found: --data, the user's season of today's
// year, or the files beside the executable.
enum class DataOrigin { DataOption, UserSeason, BesideExecutable };

// Fills in the command's data directory and year where it names none:
// - the data: --data when given; otherwise the season of today's year (the
//   day --date names, or the system's) under the seasons directory, when it
//   holds one; otherwise the files beside the executable;
// - the year: --year when given; otherwise the one the data's year file
//   records; otherwise 2003.
// A year file that records no year leaves the year at 2003 and says why in
// command.seasonProblem. An import chooses its own folder and leaves the
// command as it is.
void ChooseSeason(CommandLine& command, const std::filesystem::path& seasons);

// The same with the user's seasons directory (core/Platform.h).
void ChooseSeason(CommandLine& command);

// --seasons: lists the seasons under the directory on standard output, one
// a line (year and folder), and says on standard error which data the
// program shows when started without --data, and why. Returns 0.
int ListSeasonsCommand(const CommandLine& command, const std::filesystem::path& seasons);
