// count-formula: n squared over 2, rounded up, by one formula for odd and one for even n; no line end.
#include "harness.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>
#include <vector>

const Case kCountFormula[] = {
    {"odd 1", "1\n", "1"},
    {"even 2", "2\n", "2"},
    {"odd 3", "3\n", "5"},
    {"even 4", "4\n", "8"},
    {"odd 5", "5\n", "13"},
    {"even 6", "6\n", "18"},
    {"odd 7", "7\n", "25"},
    {"zero", "0\n", "0"},
    {"-1 as its magnitude", "-1\n", "1"},
    {"-3 as its magnitude", "-3\n", "5"},
    {"-4 as its magnitude", "-4\n", "8"},
    {"largest within the Integer range", "65535\n", "2147418113"},
    {"number without a line end", "7", "25"},
    {"text after the number is ignored", "12abc\n", "72"},
    // Past a magnitude of 65535 (and at -65535) the products leave the 32-bit range: exact values.
    {"-65535", "-65535\n", "2147418113"},
    {"65536", "65536\n", "2147483648"},
    {"-65536", "-65536\n", "2147483648"},
    {"largest Integer", "2147483647\n", "2305843007066210305"},
    {"smallest Integer", "-2147483648\n", "2305843009213693952"},
    {"no input: nothing", "", ""},
    {"letters: nothing", "x\n", ""},
};

TEST(CountFormula, Examples) {
    check_cases("count-formula", kCountFormula);
}

// Whatever the parity and sign, the result is n * n / 2 rounded up; checked over the whole 32-bit
// range (n * n fits in 64 bits there).
TEST(CountFormula, IsHalfTheSquareRoundedUp) {
    std::mt19937 gen(81);
    std::vector<Case> cases;
    for (int t = 0; t < 24; t++) {
        int lo = t % 2 == 0 ? -70000 : INT_MIN, hi = t % 2 == 0 ? 70000 : INT_MAX;
        int n = std::uniform_int_distribution<int>(lo, hi)(gen);
        long long sq = static_cast<long long>(n) * n;
        std::string input = std::to_string(n) + "\n";
        cases.push_back({input, input, std::to_string((sq + 1) / 2)});
    }
    check_cases("count-formula", cases);
}

TEST(CountFormula, HostileInput) {
    check_survives("count-formula", hostile_inputs());
}

TOUR("count-formula", kCountFormula[6]);
