// remainder-signs: a fixed two-line output that ignores standard input.
#include "harness.hpp"

#include <gtest/gtest.h>

const Case kRemainderSigns[] = {
    {"no input", "", "negative: -1\npositive: 4\n"},
    {"input is ignored", "-11 5\n", "negative: -1\npositive: 4\n"},
};

TEST(RemainderSigns, Examples) {
    check_cases("remainder-signs", kRemainderSigns);
}

TEST(RemainderSigns, HostileInput) {
    check_survives("remainder-signs", hostile_inputs());
}

TOUR("remainder-signs", kRemainderSigns[0]);
