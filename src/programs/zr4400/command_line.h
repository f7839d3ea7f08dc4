#pragma once

#include <QString>

// What zr4400 was started with, read before any window exists, so that
// --help, --version and a wrong option need no display.
struct CommandLine {
    bool help = false;
    bool version = false;
    bool noSplash = false;
    bool benchmark = false; // --startup-benchmark: report the memory once shown, and quit
    bool dealer = false;
    QString trace; // --trace FILE
    QString file;  // a data file to open after start-up
    QString wrong; // the first option neither we nor Qt know
};

CommandLine ReadCommandLine(int argc, char** argv);

// One line an option, for --help and after a wrong option.
extern const char* const kProgramUsage;
