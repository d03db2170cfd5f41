// The fuzz target's seed corpus, replayed on every test run: the target's
// checks (readers agree, one write changes exactly its own name) abort on
// any seed that breaks them.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "temp_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

TEST(FuzzSeedsTest, EverySeedPassesTheTargetsChecks) {
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(FUZZ_CORPUS)) {
        SCOPED_TRACE(entry.path().string());
        const std::string bytes = ReadBytes(entry.path().string());
        EXPECT_EQ(LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                         bytes.size()),
                  0);
        ++seeds;
    }
    EXPECT_GE(seeds, 10);
}

}  // namespace
