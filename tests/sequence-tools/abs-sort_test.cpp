// abs-sort: each case's values on one line, by absolute value, largest first, ties in input order.
#include "harness.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <span>
#include <string>
#include <vector>

namespace {

// A case of the values 1..count in ascending order, and the line they sort to.
std::string ascending_case(int count) {
    std::string s = std::to_string(count);
    for (int v = 1; v <= count; v++) {
        s += " ";
        s += std::to_string(v);
    }
    return s + "\n";
}
std::string descending_line(int count) {
    std::string s = std::to_string(count);
    for (int v = count - 1; v >= 1; v--) {
        s += " ";
        s += std::to_string(v);
    }
    return s + "\n";
}

const Case kAbsSort[] = {
    {"two cases then End of input", "3\n3 -4 2\n4\n0 1 -2 -3\n", "-4 3 2\n-3 -2 1 0\n"},
    {"equal absolute values keep input order", "5\n3 -3 1 -1 0\n", "3 -3 1 -1 0\n"},
    {"negative first stays first", "2\n-3 3\n", "-3 3\n"},
    {"equal values keep input order", "4\n2 -5 2 5\n", "-5 5 2 2\n"},
    {"one value alone", "1\n-7\n", "-7\n"},
    {"count of 0 ends the run", "0\n2\n1 2\n", ""},
    {"count of 0 after a case", "1\n4\n0\n1\n9\n", "4\n"},
    {"negative count prints an empty line", "-3\n2\n1 -2\n", "\n-2 1\n"},
    {"already in order", "4\n-9 8 -7 6\n", "-9 8 -7 6\n"},
    {"reversed order", "4\n1 -2 3 -4\n", "-4 3 -2 1\n"},
    {"no line end at the end", "2 1 2", "2 1\n"},
    {"999 values", ascending_case(999), descending_line(999)},
    // Out of the defined form.
    {"smallest Integer has the largest absolute value", "4\n2147483647 -2147483647 -2147483648 0\n",
     "-2147483648 2147483647 -2147483647 0\n"},
    {"smallest Integer twice keeps order", "3\n5 -2147483648 -2147483648\n", "-2147483648 -2147483648 5\n"},
    {"count above 999 sorts every value", ascending_case(1500), descending_line(1500)},
    {"letters for a count end the run", "1\n4\nx\n1\n9\n", "4\n"},
    {"case cut short ends the run unprinted", "1\n4\n3\n1 2\n", "4\n"},
    {"letters inside a case end the run", "2\n1 y\n1\n5\n", ""},
    {"no input at all", "", ""},
};

}  // namespace

TOUR("abs-sort", kAbsSort[0]);

TEST(AbsSort, Examples) {
    check_cases("abs-sort", kAbsSort);
}

// Many random cases in one run, compared line by line with the literal exchange sort. Narrow value ranges
// make ties of equal and opposite values common, which is where a sort that is not stable goes wrong.
TEST(AbsSort, MatchesExchangeSort) {
    std::mt19937 gen(52);
    const int ranges[] = {1, 3, 10, 1000, 2147483647};
    std::string input;
    std::vector<std::string> inputs;
    for (int c = 0; c < 600; c++) {
        int n = c % 50 == 49 ? -1 - static_cast<int>(gen() % 5)
                             : 1 + static_cast<int>(gen() % (c % 10 == 0 ? 999 : 40));
        int range = ranges[gen() % 5];
        std::uniform_int_distribution<int> value(range == 2147483647 ? -2147483647 - 1 : -range, range);
        std::string text = std::to_string(n);
        for (int i = 0; i < n; i++) {
            text += " ";
            text += std::to_string(value(gen));
        }
        input += text + "\n";
        inputs.push_back(text);
    }
    check_lines_match_literal("abs-sort", input, inputs);
}

TEST(AbsSort, HostileInputs) {
    check_survives("abs-sort", hostile_inputs());
    const Case own[] = {
        {"huge count, few values", "2147483647\n1 2 3\n", ""},
        {"many negative counts",
         [] {
             std::string s;
             for (int i = 0; i < 5000; i++)
                 s += "-2147483648\n";
             return s;
         }(),
         ""},
        {"smallest Integers only", "4 -2147483648 -2147483648 -2147483648 -2147483648\n", ""},
    };
    check_survives("abs-sort", own);
}

TEST(AbsSort, CrLfSameAsLf) {
    // Numbers only: CR LF line ends must read like LF ones; the worked examples show it.
    check_crlf_same("abs-sort", std::span(kAbsSort).first(8));
}
