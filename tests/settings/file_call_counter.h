#pragma once
// Counts the renames and fsyncs a program makes. Linking
// file_call_counter.cpp into an executable puts its rename() and fsync()
// in front of the C library's: each counts, then calls the real one.
struct FileCalls {
    int renames = 0;
    int fsyncs = 0;
};

FileCalls FileCallsSoFar();

// The calls made since `before`.
inline FileCalls FileCallsSince(const FileCalls& before) {
    const FileCalls now = FileCallsSoFar();
    return {now.renames - before.renames, now.fsyncs - before.fsyncs};
}
