// cube-digits: per pair m n, the values from m to n equal to the sum of their parts' cubes, or "no".
#include "harness.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {

const std::vector<int> kMatches = {-1001, -1000, -407, -371, -370, -153, -1,  0,
                                   1,     153,   370,  371,  407,  1000, 1001};

}  // namespace

const Case kCubeDigits[] = {
    {"the three-digit range", "100 999\n", "153 370 371 407\n"},
    {"0 and 1", "0 1\n", "0 1\n"},
    {"a single value", "1 1\n", "1\n"},
    {"a range without a match", "200 300\n", "no\n"},
    {"four digits: a is the whole quotient", "999 1100\n", "1000 1001\n"},
    {"negative values carry the sign in every part", "-500 -100\n", "-407 -371 -370 -153\n"},
    {"lower bound above upper bound", "5 3\n", "no\n"},
    {"several cases, each on its own", "100 160 300 310 370 371\n", "153\nno\n370 371\n"},
    {"no input: nothing", "", ""},
    {"pairs split across lines", "100\n160\n\n300 310", "153\nno\n"},
    {"CR LF line ends", "100 999\r\n0 1\r\n\r\n-500\r\n-100\r\n",
     "153 370 371 407\n0 1\n-407 -371 -370 -153\n"},
    {"the widest defined range", "-129099 129099\n",
     "-1001 -1000 -407 -371 -370 -153 -1 0 1 153 370 371 407 1000 1001\n"},
    // Ranges to the ends of the Integer range end; values whose a^3 leaves that range never match.
    {"the whole Integer range", "-2147483648 2147483647\n",
     "-1001 -1000 -407 -371 -370 -153 -1 0 1 153 370 371 407 1000 1001\n"},
    {"a range ending at the largest Integer", "1001 2147483647\n", "1001\n"},
    {"only the largest Integer", "2147483647 2147483647\n", "no\n"},
    {"only the smallest Integer", "-2147483648 -2147483648\n", "no\n"},
    {"beyond the cubes' Integer range", "129100 300000\n", "no\n"},
    {"a last number without its partner is dropped", "100 999 5\n", "153 370 371 407\n"},
    {"letters end the run", "0 1 x 100 999\n", "0 1\n"},
};

TEST(CubeDigits, Examples) {
    check_cases("cube-digits", kCubeDigits);
}

// The literal algorithm over the whole defined input finds exactly these fifteen values. Where a^3
// fits in the Integer range every sum of cubes is exact, so the truncating comparison is an exact
// one; beyond it the sum does not fit an Integer, which is why the program stops matching there.
TEST(CubeDigits, LiteralScanFindsTheFixedSet) {
    Outcome literal = run_literal("cube-digits", "-129099 129099\n");
    ASSERT_EQ(literal.status, 0) << describe(literal);
    std::string line;
    for (int v : kMatches) {
        line += line.empty() ? "" : " ";
        line += std::to_string(v);
    }
    EXPECT_EQ(literal.out, line + "\n");

    for (int i = -300000; i <= 300000; i++) {
        long long a = i / 100, b = (i / 10) % 10, c = i % 10;
        double sum = std::pow(a, 3.0) + std::pow(b, 3.0) + std::pow(c, 3.0);
        if (i > -129100 && i < 129100)
            ASSERT_EQ(sum, static_cast<double>(a * a * a + b * b * b + c * c * c)) << i;
        else
            ASSERT_TRUE(sum < INT_MIN || sum > INT_MAX) << i;
    }
}

// Many cases in one run against the literal loop: random ranges over the defined input, narrow ones
// around the matches, single values and reversed bounds.
TEST(CubeDigits, MatchesTheLiteralLoop) {
    std::mt19937 gen(1010);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
    std::string input;
    for (int t = 0; t < 1500; t++) {
        int m, n;
        switch (t % 4) {
        case 0:
            m = pick(-129099, 129099), n = pick(-129099, 129099);
            break;
        case 1: {
            int at = kMatches[pick(0, static_cast<int>(kMatches.size()) - 1)];
            m = at - pick(-2, 400), n = at + pick(-2, 400);
            break;
        }
        case 2:
            m = n = pick(-1200, 1200);
            break;
        default:
            m = pick(-1200, 1200), n = m + pick(-50, 3000);
            break;
        }
        input += std::to_string(m) + " " + std::to_string(n) + (t % 5 == 0 ? " " : "\n");
    }
    Outcome literal = run_literal("cube-digits", input);
    ASSERT_EQ(literal.status, 0) << describe(literal);
    const Case batch[] = {{"1500 cases in one run", input, literal.out}};
    check_cases("cube-digits", batch);
}

TEST(CubeDigits, HostileInput) {
    check_survives("cube-digits", hostile_inputs());
    std::string many;
    for (int t = 0; t < 100000; t++)
        many += "-2147483648 2147483647\n";
    const Case own[] = {
        {"100000 whole-range cases", many, ""},
        {"a minus sign for the upper bound", "1 -\n", ""},
        {"a numeral beyond 64 bits for the bound", "0 99999999999999999999999\n", ""},
    };
    check_survives("cube-digits", own);
}

TOUR("cube-digits", kCubeDigits[0]);
