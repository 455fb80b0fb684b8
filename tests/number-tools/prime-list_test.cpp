// prime-list: the primes from 3 to 1000, each followed by one space, no line end.
#include "harness.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

// The reference model: for every candidate, count the trial divisors 2..i-1 that leave a
// remainder; the candidate is prime when all of them do.
std::string literal_prime_list() {
    std::string out;
    for (int i = 3; i <= 1000; i++) {
        int n = 0;
        for (int j = 2; j < i; j++)
            if (i % j != 0)
                n++;
        if (n == i - 2) {
            char buf[16];
            std::snprintf(buf, sizeof buf, "%d ", i);
            out += buf;
        }
    }
    return out;
}

}  // namespace

TEST(PrimeList, MatchesTheCountingModel) {
    const Case cases[] = {
        {"no input", "", literal_prime_list()},
        {"input is ignored", "12\n", literal_prime_list()},
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

TOUR("prime-list", Case{"the fixed list", "", literal_prime_list()});
