// The window program with a first-paint watcher: what run_gui_bench.sh
// starts to time the way from launch to the first painted window.
#include "first_paint_probe.h"
#include "mezura_main.h"

int main(int argc, char* argv[]) { return MezuraMain(argc, argv, WatchFirstPaint); }
