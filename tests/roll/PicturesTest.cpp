// The seven pictures the windows show all come with the program.

#include "roll/Pictures.h"

#include <gtest/gtest.h>
#include <utility>

namespace {

TEST(Pictures, EveryPictureIsBundledAndLoads) {
    const std::pair<const char*, Picture (*)()> pictures[] = {
        {"groupclipartusergroup43", groupclipartusergroup43},
        {"groupclipartusergroup42", groupclipartusergroup42},
        {"tally", tally},
        {"print_icon", print_icon},
        {"AddIcon", AddIcon},
        {"deleteIcon", deleteIcon},
        {"findIcon", findIcon},
    };
    for (const auto& [name, get] : pictures) {
        EXPECT_FALSE(get().IsNull()) << name;
        EXPECT_GT(get().Width(), 0) << name;
    }
}

}  // namespace
