#pragma once
// Start-up timing for the benchmarks. With MEZURA_EXIT_AFTER_PAINT set, the
// program prints, once the main window has been painted for the first time,
//
//   first paint after 87.4 ms
//
// and ends the window at once, writing nothing (as Esc would). The time runs
// from MEZURA_LAUNCH_US, the wall-clock time in microseconds since the epoch
// at which the launcher started the process (bash: ${EPOCHREALTIME/./}),
// or, without it, from the start time the kernel recorded for the process,
// which it keeps only to 10 ms.
class QDialog;

// Does nothing unless MEZURA_EXIT_AFTER_PAINT is set.
void WatchFirstPaint(QDialog& window);
