#pragma once
// What `mezura` does from its command line to its exit code:
//
//   mezura --help | -h          usage, naming the profile this program file uses
//   mezura --help-all           the same, with Qt's own options (-style, -platform)
//   mezura --version | -V | -v  "mezura 4.0.0"
//   mezura                      the window, until it is closed
//   mezura "5 km to mi"         the window, started on that conversion
//
// None of these opens a display, so they work in a terminal or a package
// build; nor does an unknown option, which is named with status 1. Qt's own
// options are taken anywhere on the line. Where no display can be opened, the window is not
// started: one line on stderr names the problem and the exit status is 1.
//
// `beforeRun`, when given, sees the main window after its initialisation
// and before it is shown (the start-up benchmark hooks in there).
#include <functional>

class QDialog;

int MezuraMain(int argc, char* argv[], const std::function<void(QDialog&)>& beforeRun = {});
