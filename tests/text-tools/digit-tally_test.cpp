// digit-tally: counts each decimal digit of one line and prints the digits that occur, in order.
#include "harness.hpp"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

using namespace std::string_literals;

namespace {

const Case kDigitTally[] = {
    {"two numbers", "100 311\n", "0:2\n1:3\n3:1\n"},
    {"every digit once", "987 654 321 0\n", "0:1\n1:1\n2:1\n3:1\n4:1\n5:1\n6:1\n7:1\n8:1\n9:1\n"},
    {"not parsed as a number", "-2x2\n", "2:2\n"},
    {"one digit", "7\n", "7:1\n"},
    {"digits among letters", "a1b1c1d9\n", "1:3\n9:1\n"},
    {"no digit", "abc, def!\n", ""},
    {"empty line", "\n", ""},
    {"no line at all", "", ""},
    {"neighbours of the digit range", "/:\n", ""},
    {"bytes 128 to 255 are not digits", "\xB2\xB3\xB9\xB0 \xB1 8\n", "8:1\n"},
    {"last line without line end", "55", "5:2\n"},
    {"only the first line is read", "1\n2\n", "1:1\n"},
    {"CR LF is one line end", "12\r\n", "1:1\n2:1\n"},
    {"text after a NUL is not seen", "12\0 34\n"s, "1:1\n2:1\n"},
    {"1099 fives", std::string(1099, '5') + "\n", "5:1099\n"},
    {"over-long line keeps its first 1099 bytes", std::string(1099, '5') + "6666\n7\n", "5:1099\n"},
};

}  // namespace

TOUR("digit-tally", kDigitTally[0]);

TEST(DigitTally, Examples) {
    check_cases("digit-tally", kDigitTally);
}

TEST(DigitTally, HostileInputs) {
    check_survives("digit-tally", hostile_inputs());
    const Case own[] = {
        {"100000 digits of every kind", std::string(10000, '0') + std::string(90000, '9') + "\n", ""},
        {"CR at the buffer edge", std::string(1099, '1') + "\r", ""},
    };
    check_survives("digit-tally", own);
}

TEST(DigitTally, CrLfSameAsLf) {
    check_crlf_same("digit-tally", kDigitTally);
}
