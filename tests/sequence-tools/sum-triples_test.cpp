// sum-triples: a count and a list; prints how many (pair, matching entry) combinations there are.
#include "harness.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

// The count line followed by the values `from`, `from + step`, ... (`n` of them) on one line.
static std::string list_input(int n, long long from, long long step) {
    std::string s = std::to_string(n) + "\n";
    for (long long i = 0; i < n; i++) {
        if (i > 0)
            s += ' ';
        s += std::to_string(from + i * step);
    }
    return s + "\n";
}

const Case kSumTriples[] = {
    {"1 + 2 and 1 + 3", "4\n1 2 3 4\n", "2"},
    {"the match may be one of the pair", "3\n0 5 7\n", "2"},
    {"three zeros: every pair matches all three", "3\n0 0 0\n", "9"},
    {"equal values are separate entries", "3\n1 1 2\n", "1"},
    {"one count for each of two equal sums", "4\n2 2 4 4\n", "2"},
    {"a single value", "1\n5\n", "0"},
    {"count of 0 reads nothing", "0\n1 2 3\n", "0"},
    {"negative count reads nothing", "-3\n1 2 3\n", "0"},
    {"negative values", "5\n-3 -1 2 1 -2\n", "5"},
    {"no pair sums to an entry", "3\n1 10 100\n", "0"},
    // 0 .. 1289: the ordered pairs (i, j), i != j, with i + j <= 1289 number 1290 * 1291 / 2 - 645.
    {"largest defined list, 0 to 1289", list_input(1290, 0, 1), "416025"},
    // 1290 zeros: 1290 * 1289 / 2 pairs, each matching all 1290 entries; the literal count just fits.
    {"largest defined list of zeros", list_input(1290, 0, 0), "1072512450"},
    // Past the defined range the count is exact in 64 bits: 10000 * 9999 / 2 pairs times 10000 entries.
    {"ten thousand zeros: count past 32 bits", list_input(10000, 0, 0), "499950000000"},
    {"largest accepted count, 0 to 9999", list_input(10000, 0, 1), "25000000"},
    // A sum outside the Integer range matches nothing; wrapped, 2147483647 + 1 would match the third.
    {"sum past the Integer range matches nothing", "3\n2147483647 1 -2147483648\n", "0"},
    // -2147483648 + -1 would wrap onto 2147483647; only -2147483648 + 2147483647 == -1 counts.
    {"sum below the Integer range matches nothing", "3\n-2147483648 -1 2147483647\n", "1"},
    {"extremes that do sum exactly", "3\n2147483647 -2147483648 -1\n", "1"},
    // Input that ends early, or a non-number, ends the list: only the values read count.
    {"input ends early", "5\n1 2 3\n", "1"},
    {"non-number ends the list", "5\n1 2 3 x 4\n", "1"},
    {"no count at all", "", "0"},
    {"letters for the count", "abc\n", "0"},
    // A count above 10000 is refused like a block that cannot be obtained: nothing is printed.
    {"count just above the limit is refused", "10001\n1 2 3\n", ""},
    {"largest Integer count is refused", "2147483647\n1 2 3\n", ""},
    {"values without a final line end", "4\n1 2 3 4", "2"},
};

TEST(SumTriples, Examples) {
    check_cases("sum-triples", kSumTriples);
}

// The literal triple loop on random lists.
TEST(SumTriples, MatchesTripleLoopOnRandomLists) {
    std::mt19937 gen(5005);
    // Narrow value ranges give many equal values and many matches; wide ones give few.
    const int spans[] = {1, 3, 10, 40, 1000, 1000000000};
    for (int round = 0; round < 48; round++) {
        int span = spans[round % 6];
        int n = std::uniform_int_distribution<int>(1, round < 40 ? 40 : 250)(gen);
        std::uniform_int_distribution<int> value(-span, span);
        std::string input = std::to_string(n) + "\n";
        for (int i = 0; i < n; i++)
            input += std::to_string(value(gen)) + " ";
        Outcome literal = run_literal("sum-triples", input);
        ASSERT_EQ(literal.status, 0) << describe(literal);
        Case c{"random list " + std::to_string(round), input, literal.out};
        check_cases("sum-triples", std::span<const Case>(&c, 1));
    }
}

TEST(SumTriples, HostileInput) {
    check_survives("sum-triples", hostile_inputs());
    const Case own[] = {
        {"largest accepted count, nothing after it", "10000\n", ""},
        {"largest accepted count of extremes", list_input(10000, -2147483647, 429496), ""},
        {"smallest Integer count", "-2147483648\n1 2\n", ""},
        {"numbers past 64 bits in the list", "3\n99999999999999999999 1 -99999999999999999999\n", ""},
    };
    check_survives("sum-triples", own);
}

TOUR("sum-triples", kSumTriples[0]);
