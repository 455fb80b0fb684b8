// matrix-peak: per matrix, the row, column and signed value of the entry of largest absolute value.
#include "harness.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <span>
#include <string>
#include <vector>

namespace {

// A matrix of zeros of the given shape with one entry `peak` at row x, column y.
std::string one_peak(int m, int n, int x, int y, int peak) {
    std::string s = std::to_string(m) + " " + std::to_string(n) + "\n";
    for (int i = 1; i <= m; i++) {
        for (int j = 1; j <= n; j++)
            s += i == x && j == y ? std::to_string(peak) + " " : "0 ";
        s += "\n";
    }
    return s;
}

const Case kMatrixPeak[] = {
    {"first of equal absolute values wins", "2 3\n1 -5 3\n5 2 -1\n", "1 2 -5\n"},
    {"negative peak keeps its sign", "3 1\n2\n-8\n8\n", "2 1 -8\n"},
    {"one by one", "1 1\n-7\n", "1 1 -7\n"},
    {"all zeros", "2 2\n0 0\n0 0\n", "1 1 0\n"},
    {"two cases, each its own line", "1 2\n3 4\n2 1\n-6\n5\n", "1 2 4\n1 1 -6\n"},
    {"peak in the last entry", "2 2\n1 2\n3 -4\n", "2 2 -4\n"},
    {"positive before its negation wins", "1 2\n9 -9\n", "1 1 9\n"},
    {"largest matrix, peak in the corner", one_peak(99, 99, 99, 99, -3), "99 99 -3\n"},
    {"no line end at the end", "1 1\n5", "1 1 5\n"},
    // Out of the defined form.
    {"no rows: no entry, 0 0 0", "0 3\n1 1\n4\n", "0 0 0\n1 1 4\n"},
    {"no columns: no entry, 0 0 0", "3 0\n1 1\n4\n", "0 0 0\n1 1 4\n"},
    {"negative shape reads nothing", "-2 -5\n1 1\n4\n", "0 0 0\n1 1 4\n"},
    {"no entry of an earlier case leaks in", "2 2\n9 0\n0 0\n0 1\n1 1\n1\n", "1 1 9\n0 0 0\n1 1 1\n"},
    {"more than 99 rows are all read", one_peak(150, 2, 150, 1, 7) + "1 1\n2\n", "150 1 7\n1 1 2\n"},
    {"more than 99 columns are all read", one_peak(1, 300, 1, 250, -1), "1 250 -1\n"},
    {"smallest Integer beats the largest", "1 3\n2147483647 -2147483648 -2147483647\n", "1 2 -2147483648\n"},
    {"first of two smallest Integers wins", "2 1\n-2147483648\n-2147483648\n", "1 1 -2147483648\n"},
    {"case cut short ends the run unprinted", "1 1\n3\n2 2\n1 2 3\n", "1 1 3\n"},
    {"letters inside a case end the run", "1 2\n5 x\n1 1\n6\n", ""},
    {"letters for the shape end the run", "1 1\n5\nx 1\n1 1\n6\n", "1 1 5\n"},
    {"only the row count", "1 1\n5\n3", "1 1 5\n"},
    {"no input at all", "", ""},
};

}  // namespace

TOUR("matrix-peak", kMatrixPeak[0]);

TEST(MatrixPeak, Examples) {
    check_cases("matrix-peak", kMatrixPeak);
}

// Many random matrices of 1 to 99 rows and columns in one run, compared line by line with the literal
// algorithm's scan of its stored table. Narrow value ranges make ties of equal and opposite entries common.
TEST(MatrixPeak, MatchesTableScan) {
    std::mt19937 gen(53);
    const int ranges[] = {0, 1, 2, 50, 2147483647};
    std::string input;
    std::vector<std::string> shapes;
    for (int c = 0; c < 400; c++) {
        int big = c % 20 == 0 ? 99 : 8;
        int m = 1 + static_cast<int>(gen() % big), n = 1 + static_cast<int>(gen() % big);
        int range = ranges[gen() % 5];
        std::uniform_int_distribution<int> value(range == 2147483647 ? -2147483647 - 1 : -range, range);
        input += std::to_string(m) + " " + std::to_string(n) + "\n";
        for (int k = 0; k < m * n; k++)
            input += std::to_string(value(gen)) + (k % n == n - 1 ? "\n" : " ");
        shapes.push_back(std::to_string(m) + " by " + std::to_string(n) + ", values within " +
                         std::to_string(range));
    }
    check_lines_match_literal("matrix-peak", input, shapes);
}

TEST(MatrixPeak, HostileInputs) {
    check_survives("matrix-peak", hostile_inputs());
    const Case own[] = {
        {"largest shape, few entries", "2147483647 2147483647\n1 2 3\n", ""},
        {"smallest shape", "-2147483648 -2147483648\n1 1\n1\n", ""},
        {"largest rows, no columns", "2147483647 0\n2147483647 -1\n", ""},
        {"many empty cases",
         [] {
             std::string s;
             for (int i = 0; i < 5000; i++)
                 s += "0 0\n";
             return s;
         }(),
         ""},
    };
    check_survives("matrix-peak", own);
}

TEST(MatrixPeak, CrLfSameAsLf) {
    // Numbers only: CR LF line ends must read like LF ones; the worked examples show it.
    check_crlf_same("matrix-peak", std::span(kMatrixPeak).first(8));
}
