// range-table: the closed range in rows of five right-aligned values, then the sum line.
#include "harness.hpp"

#include <gtest/gtest.h>

#include <string>

const Case kRangeTable[] = {
    {"two full rows", "1 10\n", "    1    2    3    4    5\n    6    7    8    9   10\nSum = 55\n"},
    {"last row short", "1 7\n", "    1    2    3    4    5\n    6    7\nSum = 28\n"},
    {"exactly one row: no extra line end", "1 5\n", "    1    2    3    4    5\nSum = 15\n"},
    {"single value", "3 3\n", "    3\nSum = 3\n"},
    {"first above last: sum line only", "5 1\n", "Sum = 0\n"},
    {"negative values", "-2 2\n", "   -2   -1    0    1    2\nSum = 0\n"},
    {"wide values widen the row", "99999 100001\n", "99999100000100001\nSum = 300000\n"},
    {"wide negative values", "-10001 -9999\n", "-10001-10000-9999\nSum = -30000\n"},
    {"numbers on separate lines", "1\n3", "    1    2    3\nSum = 6\n"},
    // The range ends at the largest Integer (the counter must not wrap), and the sum leaves the
    // Integer range: its exact value is printed.
    {"range ending at the largest Integer", "2147483645 2147483647\n",
     "214748364521474836462147483647\nSum = 6442450938\n"},
    {"range starting at the smallest Integer", "-2147483648 -2147483646\n",
     "-2147483648-2147483647-2147483646\nSum = -6442450941\n"},
    {"no numbers: nothing", "", ""},
    {"one number: nothing", "7\n", ""},
    {"letters for the last: nothing", "1 x\n", ""},
};

TEST(RangeTable, Examples) {
    check_cases("range-table", kRangeTable);
}

// A long range whose partial sums pass the Integer range: every row is complete and the sum exact.
TEST(RangeTable, LongRangeWithLargeSum) {
    Outcome run = run_program("range-table", "1 100000\n");
    ASSERT_EQ(run.status, 0) << describe(run);
    ASSERT_TRUE(run.err.empty()) << describe(run);
    const std::string tail = "99996999979999899999100000\nSum = 5000050000\n";
    ASSERT_GE(run.out.size(), tail.size());
    EXPECT_EQ(run.out.substr(run.out.size() - tail.size()), tail);
    EXPECT_EQ(run.out.substr(0, 26), "    1    2    3    4    5\n");
    // 99999 values of five columns, one of six, a line end per row of five, and the sum line.
    EXPECT_EQ(run.out.size(), 99999u * 5 + 6 + 20000 + 17);
}

TEST(RangeTable, HostileInput) {
    check_survives("range-table", hostile_inputs());
}

TOUR("range-table", kRangeTable[0]);

// Gigabytes of output from a few bytes of input: once the output is gone, the program stops.
TEST(RangeTable, StopsWhenOutputIsClosed) {
    Options o;
    o.stdout_closed = true;
    Outcome run = run_program("range-table", "-2147483648 2147483647\n", o);
    EXPECT_TRUE(run.status == 0 && !run.timed_out && run.err.empty()) << describe(run);
}
