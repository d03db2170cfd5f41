// When a parse of a file may be reused.
#include <gtest/gtest.h>

#include <cstdint>

#include "file_stamp.h"
#include "row_name.h"

namespace {

constexpr std::int64_t Second = 1'000'000'000;

struct SettleCase {
    const char* name;
    std::int64_t modifiedNs;
    std::int64_t changedNs;
    std::int64_t readAtNs;
    bool settled;
};
std::ostream& operator<<(std::ostream& out, const SettleCase& c) { return out << c.name; }

class IsSettledTest : public ::testing::TestWithParam<SettleCase> {};

TEST_P(IsSettledTest, OnlyFilesStillForAWhile) {
    const SettleCase& c = GetParam();
    FileStamp stamp;
    stamp.modifiedNs = c.modifiedNs;
    stamp.changedNs = c.changedNs;
    EXPECT_EQ(IsSettled(stamp, c.readAtNs), c.settled);
}

INSTANTIATE_TEST_SUITE_P(
    Table, IsSettledTest,
    ::testing::Values(
        SettleCase{"LongAgo", 100 * Second, 100 * Second, 200 * Second, true},
        SettleCase{"JustWritten", 100 * Second, 100 * Second, 100 * Second + 1, false},
        SettleCase{"WithinFatTimeStep", 100 * Second, 100 * Second, 102 * Second, false},
        SettleCase{"ChangedRecentlyThoughOldModified", 10 * Second, 199 * Second, 200 * Second,
                   false},
        SettleCase{"ModifiedInTheFuture", 300 * Second, 100 * Second, 200 * Second, false}),
    RowName());

}  // namespace
