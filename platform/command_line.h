#pragma once
// The program's command line: --help and --version answer and end the program before any window
// or display is opened; anything else unknown is a usage error. The options Qt itself reads
// (-platform, -style, -display and the like) pass on to QApplication.

#include <optional>

namespace tavix {

// Nothing when the program should start; otherwise the exit status to end with, after the help
// or version on standard output (0) or the error and the help on standard error (2).
std::optional<int> HandleCommandLine(int argc, char** argv, const char* version);

}  // namespace tavix
