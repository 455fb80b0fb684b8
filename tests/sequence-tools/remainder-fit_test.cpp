// remainder-fit: t cases of n, m, k; "Yes" when m is 0, n % m is 0, or n % m + k reaches m.
#include "harness.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>

// `count` copies of `text`.
static std::string repeated(int count, const std::string &text) {
    std::string s;
    for (int i = 0; i < count; i++)
        s += text;
    return s;
}

const Case kRemainderFit[] = {
    {"below, reaching, and remainder 0", "3\n7 3 1\n7 3 2\n6 3 0\n", "No\nYes\nYes\n"},
    {"divisor 0 answers yes", "1\n5 0 0\n", "Yes\n"},
    {"negative n: remainder -1 plus 1 stays below", "1\n-7 3 1\n", "No\n"},
    {"negative n: remainder -1 plus 4 reaches", "1\n-7 3 4\n", "Yes\n"},
    {"negative m: remainder 1 is not below -3", "1\n7 -3 0\n", "Yes\n"},
    {"remainder 0 whatever k is", "1\n9 3 -100\n", "Yes\n"},
    {"divisor 0 with the smallest Integer", "1\n-2147483648 0 -2147483648\n", "Yes\n"},
    {"t of 0 reads no case", "0\n7 3 1\n", ""},
    {"negative t reads no case", "-2\n7 3 1\n", ""},
    {"cases on one line", "2 7 3 1 7 3 2", "No\nYes\n"},
    // The smallest Integer divided by -1 leaves the remainder 0: yes, without overflow.
    {"smallest Integer by -1", "1\n-2147483648 -1 -5\n", "Yes\n"},
    // r + k is compared exactly: 2147483646 + 2147483647 reaches m (wrapped it would be negative).
    {"r + k above the Integer range", "1\n2147483646 2147483647 2147483647\n", "Yes\n"},
    // -2147483647 + -2147483648 is far below m = -2147483648 (wrapped it would be 1, above it).
    {"r + k below the Integer range", "1\n-2147483647 -2147483648 -2147483648\n", "No\n"},
    // Past 100000 cases every case is still answered; nothing is stored per case.
    {"more than 100000 cases", "100003\n" + repeated(100003, "7 3 2\n"), repeated(100003, "Yes\n")},
    {"count larger than the cases given", "5\n7 3 1\n6 3 0\n", "No\nYes\n"},
    {"a case cut short ends the run", "3\n7 3 1\n7 3\n", "No\n"},
    {"a non-number ends the run", "3\n7 3 1\nx 3 2\n6 3 0\n", "No\n"},
    {"no count at all", "", ""},
};

TEST(RemainderFit, Examples) {
    check_cases("remainder-fit", kRemainderFit);
}

// The literal rule in Integer arithmetic, on random cases that keep r + k in the Integer range and
// never divide the smallest Integer by -1.
TEST(RemainderFit, MatchesIntegerRuleOnRandomCases) {
    std::mt19937 gen(5007);
    std::uniform_int_distribution<int> small(-12, 12);
    std::uniform_int_distribution<int> big(-1000000000, 1000000000);
    const int t = 30000;
    std::string input = std::to_string(t) + "\n";
    for (int i = 0; i < t; i++) {
        // Small values hit every sign and remainder case; large ones keep r + k within range.
        bool wide = i % 3 == 0;
        int n = wide ? big(gen) : small(gen);
        int m = wide ? big(gen) : small(gen);
        int k = wide ? big(gen) : small(gen);
        input += std::to_string(n) + " " + std::to_string(m) + " " + std::to_string(k) + "\n";
    }
    Outcome literal = run_literal("remainder-fit", input);
    ASSERT_EQ(literal.status, 0) << describe(literal);
    const Case rows[] = {{"random cases", input, literal.out}};
    check_cases("remainder-fit", rows);
}

TEST(RemainderFit, HostileInput) {
    check_survives("remainder-fit", hostile_inputs());
    const Case own[] = {
        {"largest count, few cases", "2147483647\n1 2 3\n", ""},
        {"every extreme combination",
         "8\n-2147483648 -1 -2147483648\n-2147483648 -1 2147483647\n2147483647 -2147483648 2147483647\n"
         "-2147483648 2147483647 -2147483648\n2147483647 1 2147483647\n-1 -2147483648 -2147483648\n"
         "-2147483648 -2147483648 -2147483648\n2147483647 2147483647 2147483647\n",
         ""},
        {"numbers past 64 bits", "2\n99999999999999999999 -1 5\n-99999999999999999999 -1 -5\n", ""},
    };
    check_survives("remainder-fit", own);
}

TOUR("remainder-fit", kRemainderFit[0]);
