// even-averages: per (n, m), the averages of 2, 4, ..., 2n in groups of m, the incomplete group last.
#include "harness.hpp"

#include <gtest/gtest.h>

#include <random>
#include <span>
#include <string>
#include <vector>

namespace {

// The line for n numbers in groups of one: 2 4 ... 2n.
std::string evens_line(int n) {
    std::string s;
    for (int i = 1; i <= n; i++) {
        s += i == 1 ? "" : " ";
        s += std::to_string(2 * i);
    }
    return s + "\n";
}

const Case kEvenAverages[] = {
    {"full group and incomplete group", "3 2\n", "3 6\n"},
    {"two full groups", "4 2\n", "3 7\n"},
    {"two full groups and a remainder of two", "10 4\n", "5 13 19\n"},
    {"groups of one", "6 1\n", "2 4 6 8 10 12\n"},
    {"only an incomplete group starts with a space", "2 3\n", " 3\n"},
    {"no numbers: empty line", "0 5\n", "\n"},
    {"each line starts without a space", "3 2\n4 2\n", "3 6\n3 7\n"},
    {"negative n", "-3 2\n", " 0\n"},
    {"negative m", "5 -1\n", " 0\n"},
    {"one group of all", "5 5\n", "6\n"},
    {"group larger than n", "1 100\n", " 2\n"},
    {"no line end at the end", "4 3", "4 8\n"},
    // Out of the defined form.
    {"m = 0 forms no group", "5 0\n", " 0\n"},
    {"m = 0 and n = 0: empty line", "0 0\n", "\n"},
    {"negative n and m = 0", "-1 0\n", " 0\n"},
    {"group sums past the Integer range are exact", "100000 100000\n", "100001\n"},
    {"incomplete group sum past the Integer range", "100000 100001\n", " 100001\n"},
    {"largest n in one group", "2147483647 2147483647\n", "2147483648\n"},
    {"largest n, last number alone", "2147483647 2147483646\n", "2147483647 4294967294\n"},
    {"smallest n and m", "-2147483648 -2147483648\n", " 0\n"},
    {"letters end the run", "3 2\nx 2\n4 2\n", "3 6\n"},
    {"lone n at the end", "3 2\n4", "3 6\n"},
    {"no input at all", "", ""},
    {"a million groups of one", "1000000 1\n", evens_line(1000000)},
};

}  // namespace

TOUR("even-averages", kEvenAverages[0]);

TEST(EvenAverages, Examples) {
    check_cases("even-averages", kEvenAverages);
}

// Many random pairs in one run, compared line by line with the literal group-by-group sums: n and m
// small, negative or large enough that group sums leave the Integer range.
TEST(EvenAverages, MatchesGroupSums) {
    std::mt19937 gen(54);
    std::string input;
    std::vector<std::string> pairs;
    for (int c = 0; c < 3000; c++) {
        int n, m;
        if (c % 100 == 0) {
            n = static_cast<int>(gen() % 200000);
            m = 1 + static_cast<int>(gen() % 150000);
        } else {
            n = static_cast<int>(gen() % 130) - 10;
            m = static_cast<int>(gen() % 70) - 5;
        }
        if (m == 0)
            m = 1;
        input += std::to_string(n) + " " + std::to_string(m) + "\n";
        pairs.push_back(std::to_string(n) + " " + std::to_string(m));
    }
    check_lines_match_literal("even-averages", input, pairs);
}

TEST(EvenAverages, HostileInputs) {
    check_survives("even-averages", hostile_inputs());
    const Case own[] = {
        {"largest n with m = 0", "2147483647 0\n", ""},
        {"largest n with negative m", "2147483647 -2147483648\n", ""},
        {"smallest n with m = -1", "-2147483648 -1\n", ""},
        {"largest n in two groups", "2147483647 1073741824\n", ""},
    };
    check_survives("even-averages", own);
}

TEST(EvenAverages, CrLfSameAsLf) {
    // Numbers only: CR LF line ends must read like LF ones; the worked examples show it.
    check_crlf_same("even-averages", std::span(kEvenAverages).first(8));
}

// Gigabytes of output from a few bytes of input: once the output is gone, the program stops.
TEST(EvenAverages, StopsWhenOutputIsClosed) {
    Options o;
    o.stdout_closed = true;
    Outcome run = run_program("even-averages", "2147483647 1\n", o);
    EXPECT_TRUE(run.status == 0 && !run.timed_out && run.err.empty()) << describe(run);
}
