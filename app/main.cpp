// mezura: the window.
#include "mezura_main.h"

int main(int argc, char* argv[]) { return MezuraMain(argc, argv); }
