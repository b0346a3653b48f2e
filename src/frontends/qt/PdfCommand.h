#pragma once

struct CommandLine;

// turvane --pdf FILE and --poster FILE: reads the data files, writes the
// tables or the poster and returns the exit status, with no display (Qt's
// offscreen platform). FILE is replaced only by a complete document; on any
// failure it stays as it was, and one line on standard error says why.
int WritePdfCommand(int& argc, char* argv[], const CommandLine& command);
