// digit-reverse: the prompt line, then the last three digits of the magnitude reversed.
#include "harness.hpp"

#include <gtest/gtest.h>

const Case kDigitReverse[] = {
    {"three digits reversed", "123\n", "Input x:\ny=321\n"},
    {"sign dropped", "-123\n", "Input x:\ny=321\n"},
    {"zero in front of the result vanishes", "120\n", "Input x:\ny=21\n"},
    {"two zeros in front vanish", "100\n", "Input x:\ny=1\n"},
    {"missing hundreds count as 0", "45\n", "Input x:\ny=540\n"},
    {"missing hundreds and tens", "7\n", "Input x:\ny=700\n"},
    {"zero", "0\n", "Input x:\ny=0\n"},
    {"four digits: whole quotient added", "1000\n", "Input x:\ny=10\n"},
    {"negative with fewer digits", "-45\n", "Input x:\ny=540\n"},
    {"number without a line end", "123", "Input x:\ny=321\n"},
    {"largest Integer", "2147483647\n", "Input x:\ny=21475576\n"},
    {"smallest Integer has a magnitude too", "-2147483648\n", "Input x:\ny=21475676\n"},
    {"no number: only the prompt", "", "Input x:\n"},
    {"letters for the number: only the prompt", "abc\n", "Input x:\n"},
};

TEST(DigitReverse, Examples) {
    check_cases("digit-reverse", kDigitReverse);
}

TEST(DigitReverse, HostileInput) {
    check_survives("digit-reverse", hostile_inputs());
}

TOUR("digit-reverse", kDigitReverse[0]);
