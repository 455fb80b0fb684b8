// recursive-sum: the prompt without a line end, then the sum 1..n or "data error!".
#include "harness.hpp"

#include <gtest/gtest.h>

const Case kRecursiveSum[] = {
    {"small sum", "5\n", "Please input n:sum=15\n"},
    {"base case alone", "1\n", "Please input n:sum=1\n"},
    {"one step above the base", "2\n", "Please input n:sum=3\n"},
    {"ten", "10\n", "Please input n:sum=55\n"},
    {"zero is refused", "0\n", "Please input n:data error!\n"},
    {"negative is refused", "-7\n", "Please input n:data error!\n"},
    // 65535 nested calls, in every build; the sum is the largest within the Integer range.
    {"deepest recursion", "65535\n", "Please input n:sum=2147450880\n"},
    {"sum past the Integer range is refused", "65536\n", "Please input n:data error!\n"},
    {"largest Integer is refused", "2147483647\n", "Please input n:data error!\n"},
    {"smallest Integer is refused", "-2147483648\n", "Please input n:data error!\n"},
    {"number without a line end", "5", "Please input n:sum=15\n"},
    {"no number is refused", "", "Please input n:data error!\n"},
    {"letters for the number are refused", "five\n", "Please input n:data error!\n"},
};

TEST(RecursiveSum, Examples) {
    check_cases("recursive-sum", kRecursiveSum);
}

TEST(RecursiveSum, HostileInput) {
    check_survives("recursive-sum", hostile_inputs());
}

TOUR("recursive-sum", kRecursiveSum[0]);
