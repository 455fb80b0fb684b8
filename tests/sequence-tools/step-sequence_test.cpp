// step-sequence: one n after another; prints term n of 1, 2, 3, 4, 6, 8, 10, 13, ... until a 0.
#include "harness.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

const Case kStepSequence[] = {
    {"1, 5, 10, then 0 ends the run before the 7", "1\n5\n10\n0\n7\n", "1\n6\n19\n"},
    {"n = 1 takes no step", "1\n", "1\n"},
    {"increment changes between terms 4 and 5", "4\n5\n", "4\n6\n"},
    {"terms 8, 10 and 14", "8 10 14\n", "13\n19\n36\n"},
    {"the first twenty terms", "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20\n",
     "1\n2\n3\n4\n6\n8\n10\n13\n16\n19\n23\n27\n31\n36\n41\n46\n52\n58\n64\n71\n"},
    {"every case starts afresh", "10\n10\n", "19\n19\n"},
    {"a falling order of cases", "20 3 14\n", "71\n3\n36\n"},
    {"largest defined n", "9999\n", "16665001\n"},
    {"a 0 first prints nothing", "0\n5\n", ""},
    {"End of input without a 0", "2\n3", "2\n3\n"},
    {"no input at all", "", ""},
    {"a non-number ends the run", "3\nx\n5\n", "3\n"},
    // Past 9999 the term is still exact, computed in 64 bits.
    {"n just past the array", "10000\n", "16668334\n"},
    {"n whose term passes 32 bits", "123456\n", "2540251233\n"},
    {"largest Integer n", "2147483647\n", "768614336046650710\n"},
    // A sequence has no term before the first: a negative n prints nothing and the run goes on.
    {"negative n is skipped", "-1\n5\n", "6\n"},
    {"smallest Integer n is skipped", "-2147483648\n4\n", "4\n"},
};

TEST(StepSequence, Examples) {
    check_cases("step-sequence", kStepSequence);
}

// After the 0 nothing more is read: with stdin held open the program still ends at once.
TEST(StepSequence, LeavesInputAfterZeroUnread) {
    Options open;
    open.keep_stdin_open = true;
    open.timeout_s = 10;
    const Case rows[] = {{"0 with stdin still open", "1\n5\n10\n0\n7\n", "1\n6\n19\n"}};
    check_cases("step-sequence", rows, open);
}

// Every defined n once in a random order, then random repeats, all in one run ending with a 0, against
// the literal stepwise computation.
TEST(StepSequence, MatchesStepwiseComputation) {
    std::vector<int> ns;
    for (int n = 1; n <= 9999; n++)
        ns.push_back(n);
    std::mt19937 gen(5006);
    std::shuffle(ns.begin(), ns.end(), gen);
    std::uniform_int_distribution<int> any(1, 9999);
    for (int i = 0; i < 2000; i++)
        ns.push_back(any(gen));
    std::string input;
    for (int n : ns)
        input += std::to_string(n) + "\n";
    input += "0\n";
    Outcome literal = run_literal("step-sequence", input);
    ASSERT_EQ(literal.status, 0) << describe(literal);
    const Case rows[] = {{"all defined n", input, literal.out}};
    check_cases("step-sequence", rows);
}

TEST(StepSequence, HostileInput) {
    check_survives("step-sequence", hostile_inputs());
    std::string many;
    for (int i = 0; i < 100000; i++)
        many += (i % 2 == 0 ? "2147483647 " : "-2147483648 ");
    const Case own[] = {
        {"extremes alternating, 100000 cases", many, ""},
        {"numbers past 64 bits", "99999999999999999999\n-99999999999999999999\n7\n", ""},
        {"a sign without digits", "5 - 6\n", ""},
    };
    check_survives("step-sequence", own);
}

TOUR("step-sequence", kStepSequence[0]);
