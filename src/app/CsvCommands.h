#pragma once

// The CSV export and import of the command line: thin wrappers that read
// and write files and say what happened; the work is the data layer's
// (data/ScheduleCsv.h).

struct CommandLine;

// Both return the exit status: 0 when done, 1 when nothing was written.
int RunExportCsv(const CommandLine& command);
int RunImportCsv(const CommandLine& command);
