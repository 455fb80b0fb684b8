// odd-one-out: four independent tests, each printing its letter; no line end ever.
#include "harness.hpp"

#include <gtest/gtest.h>

const Case kOddOneOut[] = {
    {"D differs", "1 1 1 2\n", "D"},
    {"C differs", "1 1 2 1\n", "C"},
    {"B differs", "1 2 1 1\n", "B"},
    {"A differs", "2 1 1 1\n", "A"},
    {"all equal: every test succeeds, in order", "7 7 7 7\n", "DCBA"},
    {"two pairs: nothing", "1 1 2 2\n", ""},
    {"all different: nothing", "1 2 3 4\n", ""},
    {"negative values and zero", "-5 0 -5 -5\n", "B"},
    {"one value per line", "3\n3\n3\n9\n", "D"},
    {"extreme values compare exactly", "-2147483648 -2147483648 -2147483648 2147483647\n", "D"},
    {"fewer than four numbers: nothing", "1 1 1\n", ""},
    {"letters in place of D: nothing", "1 1 1 x\n", ""},
    {"no input: nothing", "", ""},
};

TEST(OddOneOut, Examples) {
    check_cases("odd-one-out", kOddOneOut);
}

TEST(OddOneOut, HostileInput) {
    check_survives("odd-one-out", hostile_inputs());
}

TOUR("odd-one-out", kOddOneOut[0]);
