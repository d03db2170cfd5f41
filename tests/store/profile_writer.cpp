// Stands for a second running Mezura: writes `count` keys "<prefix><n>" = n
// into [Shared] of one profile, one write at a time, as fast as it can.
//   profile_writer FILE PREFIX COUNT
#include <cstdio>
#include <cstdlib>
#include <string>

#include "profile_store.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: profile_writer FILE PREFIX COUNT\n");
        return 2;
    }
    ProfileStore store(argv[1]);
    const std::string prefix = argv[2];
    const int count = std::atoi(argv[3]);
    for (int n = 0; n < count; ++n) {
        if (const ProfileWriteResult error =
                store.WriteProfileInt("Shared", prefix + std::to_string(n), n)) {
            std::fprintf(stderr, "%s: %s\n", error->path.c_str(), error->reason.c_str());
            return 1;
        }
    }
    return 0;
}
