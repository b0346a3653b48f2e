#pragma once

// How the command line tells its user that the data files stopped a command
// or are damaged: in the user's language, naming FILE:LINE:COLUMN as far as
// it is known, and pointing to the check that lists every problem. The
// windows keep their own Japanese messages; these are the command line's.

#include <QString>

namespace turvane {
class FileSource;
class ScheduleError;
struct Finding;
} // namespace turvane

struct CommandLine;

// 'turvane --check' with the command's --data and --year, to run as it stands.
QString CheckCommandFor(const CommandLine& command);

// Why a data file at path cannot be read, where the file system tells more
// than "cannot open": a file of that name in another case beside it (names
// are case-sensitive), or a size past what the program reads. Empty when
// there is nothing to add.
QString FileNote(const QString& path);

// The failure in the user's words, led by its place ("PATH:LINE:COLUMN: ").
QString DataFailureText(const turvane::ScheduleError& error);

// The one line a command prints when the data stopped it, consequence being
// what was not done ("no PDF written"). Failures that are not the data's
// (a stamp that is no number, a disk that is full) are said as they are.
QString DataFailureLine(const turvane::ScheduleError& error, const QString& consequence,
                        const CommandLine& command);

// The same for the first error the check found.
QString DataFailureLine(const turvane::Finding& finding, const QString& consequence,
                        const CommandLine& command);

// What to say before writing out files that read but are damaged: the
// check's first finding, then how many it finds and how to see them all.
// Empty when the check finds nothing.
QString DamageNotice(const turvane::FileSource& files, const CommandLine& command);

// Writes a text of these on standard error, ending it with a line break.
void SayOnStandardError(const QString& text);
