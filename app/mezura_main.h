#pragma once
// What `mezura` does from its command line to its exit code:
//
//   mezura --help | -h     usage, naming the profile this program file uses
//   mezura --version | -v  "mezura 4.0.0"
//   mezura                 the window, until it is closed
//   mezura "5 km to mi"    the window, started on that conversion
//
// --help and --version never open a display, so they work in a terminal or
// a package build. Where no display can be opened, the window is not
// started: one line on stderr names the problem and the exit status is 1.
//
// `beforeRun`, when given, sees the main window after its initialisation
// and before it is shown (the start-up benchmark hooks in there).
#include <functional>

class QDialog;

int MezuraMain(int argc, char* argv[], const std::function<void(QDialog&)>& beforeRun = {});
