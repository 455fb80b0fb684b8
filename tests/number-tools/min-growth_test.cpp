// min-growth: N steps from 1, each doubling or adding K, whichever is smaller; the value after the last.
#include "harness.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

const Case kMinGrowth[] = {
    {"doubling wins every step", "4 10\n", "16\n"},
    {"adding wins from the third step", "5 3\n", "13\n"},
    {"a tie doubles", "3 1\n", "4\n"},
    {"no step", "0 7\n", "1\n"},
    {"negative step count", "-5 7\n", "1\n"},
    {"adding 0 keeps 1", "10 0\n", "1\n"},
    {"negative K", "3 -1\n", "-2\n"},
    {"numbers on separate lines, no final line end", "5\n3", "13\n"},
    // The largest step counts end at once, and results past the 32-bit range print exactly.
    {"largest N with K = 0", "2147483647 0\n", "1\n"},
    {"largest N with K = 1", "2147483647 1\n", "2147483648\n"},
    {"largest N and K", "2147483647 2147483647\n", "4611685949707911200\n"},
    {"smallest K, one step", "1 -2147483648\n", "-2147483647\n"},
    {"smallest K, three steps", "3 -2147483648\n", "-8589934590\n"},
    // With K < 0 the value doubles downward for good: -2^63 is the last value that fits, and every
    // value past it prints as that lowest 64-bit value.
    {"K = -1, one step before the lowest 64-bit value", "64 -1\n", "-4611686018427387904\n"},
    {"K = -1 reaches the lowest 64-bit value", "65 -1\n", "-9223372036854775808\n"},
    {"K = -2, the last value that fits", "63 -2\n", "-6917529027641081856\n"},
    {"K = -2, one step past it", "64 -2\n", "-9223372036854775808\n"},
    {"one step further is held there", "66 -1\n", "-9223372036854775808\n"},
    {"largest N, K = -1", "2147483647 -1\n", "-9223372036854775808\n"},
    {"largest N, smallest K", "2147483647 -2147483648\n", "-9223372036854775808\n"},
    {"no input: nothing", "", ""},
    {"N without K: nothing", "5\n", ""},
    {"letters for K: nothing", "5 x\n", ""},
    {"letters for N: nothing", "x 5\n", ""},
};

TEST(MinGrowth, Examples) {
    check_cases("min-growth", kMinGrowth);
}

// The shortcuts (adding all remaining steps at once, holding a fallen value) against the literal
// step-by-step algorithm, over step counts from negative to a million and K from the whole 32-bit range.
TEST(MinGrowth, MatchesTheStepByStepModel) {
    std::mt19937 gen(4077);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
    std::vector<Case> cases;
    for (int t = 0; t < 30; t++) {
        int N = t % 2 == 0 ? pick(-3, 80) : pick(0, 1000000);
        int K = t % 3 == 0 ? pick(-12, 12) : t % 3 == 1 ? pick(-70000, 70000) : pick(INT_MIN, INT_MAX);
        std::string input = std::to_string(N) + " " + std::to_string(K) + "\n";
        cases.push_back({input, input, ""});
    }
    // A long run whose value passes the 32-bit range early and keeps growing.
    cases.push_back({"long run", "50000000 40000\n", ""});
    for (Case &c : cases) {
        Outcome literal = run_literal("min-growth", c.input);
        ASSERT_EQ(literal.status, 0) << c.name << ": " << describe(literal);
        c.expected = literal.out;
    }
    check_cases("min-growth", cases);
}

TEST(MinGrowth, HostileInput) {
    check_survives("min-growth", hostile_inputs());
}

TOUR("min-growth", kMinGrowth[1]);
