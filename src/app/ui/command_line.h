// The program's command line before any window: --version, --help, unknown
// options and the headless export.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orvanta {

// Answers what needs no window and no display: --version (prints
// "ORVANTA <version>"), --help and -h (print the usage, exit code 0), and an
// option of the program's own "--" kind that it does not know (prints the
// usage, exit code 2; --export and its options belong to the export). Returns
// the exit code, or nothing when the program goes on.
std::optional<int> AnswerWithoutWindow(int argc, char** argv, const char* version);

// Whether the command line asks for the headless export.
bool WantsExport(int argc, char** argv);

// The export as a program: Qt without a display, the settings file checked,
// the arguments (after the program name) passed on as their bytes.
int RunExportProgram(int argc, char** argv);

// What is left of the command line after Qt took its own options: the
// project to open (empty: none), or an exit code with its message printed
// (an unknown one-dash option, an empty project name).
struct WindowArguments {
  std::optional<int> exit_code;
  std::string project;  // the bytes as given
};
WindowArguments ReadWindowArguments(int argc, char** argv);

}  // namespace orvanta
