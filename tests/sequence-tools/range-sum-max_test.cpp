// range-sum-max: the largest sum over the query stretches, as one number without a line end.
#include "harness.hpp"

#include <gtest/gtest.h>

#include <random>
#include <span>
#include <string>
#include <vector>

namespace {

// The values 1..count as input text, with the count first.
std::string one_to(int count) {
    std::string s = std::to_string(count) + "\n";
    for (int v = 1; v <= count; v++)
        s += std::to_string(v) + " ";
    return s + "\n";
}

const Case kRangeSumMax[] = {
    {"largest of three stretches", "5\n1 2 3 4 5\n3\n1 3\n2 5\n4 4\n", "14"},
    {"all sums negative", "3\n-1 -2 -3\n2\n1 2\n2 3\n", "-3"},
    {"reversed query gives 0", "3\n-1 -2 -3\n2\n1 2\n3 1\n", "0"},
    {"equal positions give 0, not the value", "3\n7 8 9\n1\n2 2\n", "0"},
    {"one query over the whole list", "4\n10 -3 5 8\n1\n1 4\n", "20"},
    {"two values, whole list", "2\n-5 -6\n1\n1 2\n", "-11"},
    {"no values, no stretch summed", "0\n2\n3 3\n5 1\n", "0"},
    {"first query sets the largest even when smaller", "3\n-4 -5 -6\n2\n2 3\n1 2\n", "-9"},
    {"later zero query beats negative sums", "3\n-4 -5 -6\n3\n1 2\n2 3\n1 1\n", "0"},
    {"all on one line", "3 1 2 3 1 1 3", "6"},
    // Out of the defined form.
    {"no queries prints 0", "3\n1 2 3\n0\n", "0"},
    {"negative query count prints 0", "3\n1 2 3\n-4\n1 3\n", "0"},
    {"no query count prints 0", "3\n1 2 3\n", "0"},
    {"no input at all prints 0", "", "0"},
    {"only the whole queries read count", "3\n1 2 3\n3\n1 2\n2 3\n1", "5"},
    {"values cut short: no queries", "5\n1 2 3\n", "0"},
    {"letters for the values: no queries", "3\n1 x 3\n1\n1 3\n", "0"},
    {"stretch past the end sums what it shares", "3\n1 2 3\n1\n2 2000000000\n", "5"},
    {"stretch before the start sums what it shares", "3\n1 2 3\n1\n-2147483648 2\n", "3"},
    {"stretch beside the list sums to 0", "3\n1 2 3\n2\n5 9\n-9 0\n", "0"},
    {"smallest and largest positions", "2\n4 5\n1\n-2147483648 2147483647\n", "9"},
    {"sums past the Integer range are exact", "3\n2147483647 2147483647 2147483647\n2\n1 3\n1 2\n",
     "6442450941"},
    {"negative sums past the Integer range are exact", "3\n-2147483648 -2147483648 -2147483648\n1\n1 3\n",
     "-6442450944"},
    {"more than 10000 values are all used", one_to(20000) + "2\n1 10000\n10001 20000\n", "150005000"},
    {"more than 10000 queries are all used",
     "3\n1 2 3\n12000\n" +
         [] {
             std::string q;
             for (int k = 0; k < 11999; k++)
                 q += "1 2\n";
             return q + "1 3\n";
         }(),
     "6"},
};

struct Differential {
    int n, m, value_range;
};

}  // namespace

TOUR("range-sum-max", kRangeSumMax[0]);

TEST(RangeSumMax, Examples) {
    check_cases("range-sum-max", kRangeSumMax);
}

// Random defined data sets, from tiny to the largest (10000 values, 10000 whole-list queries), compared
// with the literal entry-by-entry sums. Small value ranges make ties and zero sums common.
TEST(RangeSumMax, MatchesEntryByEntrySums) {
    std::mt19937 gen(51);
    std::vector<Differential> runs = {{10000, 10000, 2147483647}, {10000, 10000, 3}};
    for (int r = 0; r < 20; r++)
        runs.push_back({1 + static_cast<int>(gen() % 300), 1 + static_cast<int>(gen() % 300),
                        r % 2 == 0 ? 5 : 2147483647});
    for (std::size_t r = 0; r < runs.size(); r++) {
        const Differential &d = runs[r];
        std::uniform_int_distribution<int> value(
            d.value_range == 2147483647 ? -2147483647 - 1 : -d.value_range, d.value_range);
        std::uniform_int_distribution<int> pos(1, d.n);
        std::string input = std::to_string(d.n) + "\n";
        for (int i = 0; i < d.n; i++)
            input += std::to_string(value(gen)) + " ";
        input += "\n";
        input += std::to_string(d.m) + "\n";
        for (int k = 0; k < d.m; k++) {
            // The first two runs ask for the whole list every time: the heaviest defined load.
            std::pair<int, int> p = r < 2 ? std::pair{1, d.n} : std::pair{pos(gen), pos(gen)};
            input += std::to_string(p.first) + " " + std::to_string(p.second) + "\n";
        }
        Outcome literal = run_literal("range-sum-max", input);
        ASSERT_EQ(literal.status, 0) << describe(literal);
        auto run = run_program("range-sum-max", input);
        EXPECT_EQ(run.out, literal.out) << "run " << r << " with n = " << d.n << ", m = " << d.m;
        EXPECT_EQ(run.status, 0) << describe(run);
        EXPECT_EQ(run.err, "");
    }
}

TEST(RangeSumMax, HostileInputs) {
    check_survives("range-sum-max", hostile_inputs());
    const Case own[] = {
        {"huge value count, few values", "2147483647\n1 2 3\n", ""},
        {"huge query count, few queries", "2\n1 2\n2147483647\n1 2\n", ""},
        {"extreme positions with no values", "0\n3\n-2147483648 2147483647\n2147483647 -2147483648\n0 1\n",
         ""},
        {"negative value count", "-2147483648\n2\n1 5\n", ""},
        {"query with one position", "2\n1 2\n1\n1\n", ""},
    };
    check_survives("range-sum-max", own);
}

TEST(RangeSumMax, CrLfSameAsLf) {
    // Numbers only: CR LF line ends must read like LF ones; the worked examples show it.
    check_crlf_same("range-sum-max", std::span(kRangeSumMax).first(8));
}
