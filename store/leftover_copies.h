#pragma once
// Clearing, as a program starts, the temporary copies a save killed before
// its rename left beside the profile, rather than leaving them to the next
// save, which may be far off.
#include <string>

// Removes them when no other process is writing the profile now (the lock
// is free at once); leaves everything as it is otherwise, and when nothing
// was ever written there (no lock file).
void RemoveLeftoverCopies(const std::string& profilePath);
