// cube-digits: per pair m n, the values from m to n equal to the sum of their parts' cubes, or "no".
#include "harness.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {

// The literal test of one value: parts by truncating division and remainder, cubes by pow, a^3 plus
// b^3, then plus c^3, the sum truncated to an Integer. Where a^3 leaves the Integer range the sum
// does not convert to an Integer at all; such a value is no match, as the program documents.
bool literal_match(int i) {
    int a = i / 100, b = (i / 10) % 10, c = i % 10;
    double sum = std::pow(a, 3.0) + std::pow(b, 3.0) + std::pow(c, 3.0);
    if (sum < -2147483648.0 || sum > 2147483647.0)
        return false;
    int d = static_cast<int>(sum);
    return i == d;
}

constexpr int kScan = 300000;

// The literal test of every value in -kScan..kScan, indexed by value + kScan.
const std::vector<char> &scanned() {
    static const std::vector<char> flags = [] {
        std::vector<char> f(2 * kScan + 1);
        for (int i = -kScan; i <= kScan; i++)
            f[i + kScan] = literal_match(i);
        return f;
    }();
    return flags;
}

// The reference model for one case: the literal loop from m up to n, each value tested as above.
std::string literal_case(int m, int n) {
    std::string out;
    int e = 0, flag = 0;
    for (int i = m; i <= n; i++) {
        if (!scanned()[i + kScan])
            continue;
        if (e == 1)
            out += ' ';
        out += std::to_string(i);
        e = 1;
        flag = 1;
    }
    if (flag == 0)
        out += "no";
    return out + "\n";
}

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

// The literal test over -300000..300000 finds exactly these fifteen values. Where a^3 fits in the
// Integer range every sum of cubes is exact, so the truncating comparison is an exact one; beyond it
// the sum does not fit an Integer.
TEST(CubeDigits, LiteralScanFindsTheFixedSet) {
    std::vector<int> found;
    for (int i = -kScan; i <= kScan; i++)
        if (scanned()[i + kScan])
            found.push_back(i);
    EXPECT_EQ(found, kMatches);

    for (int i = -kScan; i <= kScan; i++) {
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
    std::string input, expected;
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
        expected += literal_case(m, n);
    }
    const Case batch[] = {{"1500 cases in one run", input, expected}};
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
