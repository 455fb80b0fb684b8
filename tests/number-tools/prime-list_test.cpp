// prime-list: the primes from 3 to 1000, each followed by one space, no line end.
#include "harness.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

// The counting algorithm, literally: every trial divisor of every candidate.
TEST(PrimeList, MatchesTheCountingAlgorithm) {
    Outcome literal = run_literal("prime-list", "");
    ASSERT_EQ(literal.status, 0) << describe(literal);
    const Case cases[] = {
        {"no input", "", literal.out},
        {"input is ignored", "12\n", literal.out},
    };
    check_cases("prime-list", cases);
}

TEST(PrimeList, KnownShape) {
    Outcome run = run_program("prime-list", "");
    ASSERT_EQ(run.status, 0) << describe(run);
    EXPECT_EQ(run.out.substr(0, 6), "3 5 7 ");              // 2 is never a candidate
    EXPECT_EQ(run.out.substr(run.out.size() - 4), "997 ");  // 1000 is tested and left out
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), ' '), 167);
    EXPECT_EQ(run.out.size(), 641u);
}

TEST(PrimeList, HostileInput) {
    check_survives("prime-list", hostile_inputs());
}

TOUR("prime-list", Case{"the fixed list", "", run_literal("prime-list", "").out});
