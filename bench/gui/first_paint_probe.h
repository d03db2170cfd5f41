#pragma once
// Start-up timing for the benchmarks: the probe program (first_paint_main.cpp)
// is the window program with this watcher added. It prints, once the main
// window has been painted for the first time,
//
//   first paint after 87.4 ms
//
// and ends the window at once, writing nothing (as Esc would). The time runs
// from MEZURA_LAUNCH_US, the wall-clock time in microseconds since the epoch
// at which the launcher started the process (bash: ${EPOCHREALTIME/./}),
// or, without it, from the start time the kernel recorded for the process,
// which it keeps only to 10 ms.
class QDialog;

void WatchFirstPaint(QDialog& window);
