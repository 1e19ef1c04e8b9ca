// The member number proposed after a stored one, where the stored text is odd.

#include "core/MemberNumber.h"

#include <gtest/gtest.h>

namespace {

TEST(MemberNumber, AfterCutsTowardZeroAndGivesUpOnHugeNumbers) {
    const struct {
        const char* stored;
        const char* next;
    } cases[] = {{"-3.5", "-2"}, {"1e400", ""}, {"1e16", ""}, {"2.5e3x", "2501"}};
    for (const auto& c : cases)
        EXPECT_EQ(MemberNumber::After(c.stored), c.next) << c.stored;
}

}  // namespace
