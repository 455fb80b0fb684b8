// twos-share: one "%s" token, the share of its digits that are 2 in percent, raised by half for a
// negative number and doubled for an even one; no newline.
#include "harness.hpp"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

namespace {

const std::string k51Twos(51, '2');

const Case kTwosShare[] = {
    {"123", "123\n", "33.33%"},
    {"-123", "-123\n", "50.00%"},
    {"12", "12\n", "100.00%"},
    {"-12", "-12\n", "150.00%"},
    {"22", "22\n", "200.00%"},
    {"-222", "-222\n", "300.00%"},
    {"2", "2\n", "200.00%"},
    {"7", "7\n", "0.00%"},
    {"0", "0\n", "0.00%"},
    {"-0", "-0\n", "0.00%"},
    {"leading zeros are digits", "002\n", "66.67%"},
    {"negative odd", "-21\n", "75.00%"},
    {"even, rounded up", "122\n", "133.33%"},
    {"no 2 at all, negative and even", "-1358\n", "0.00%"},
    {"no line end after the token", "12", "100.00%"},
    {"leading white space is skipped", " \t\n\n  12\n", "100.00%"},
    {"only the first token is read", "12 7\n", "100.00%"},
    {"CR LF ends the token", "-12\r\n", "150.00%"},
    // Evenness comes from the last digit, so values far beyond the Integer range keep their parity.
    {"51 digits, even", k51Twos + "\n", "200.00%"},
    {"51 digits, odd", std::string(50, '2') + "1\n", "98.04%"},
    {"minus and 50 digits, odd", "-" + std::string(49, '2') + "3\n", "147.00%"},
    {"minus and 50 digits, even", "-" + std::string(50, '2') + "\n", "300.00%"},
    {"beyond 64 bits, even", "12345678901234567892\n", "30.00%"},
    {"just past the Integer range, odd", "2147483649\n", "10.00%"},
    {"just past the Integer range, even", "2147483648\n", "20.00%"},
    {"token longer than 51 characters is cut at 51", k51Twos + "333333333\n", "200.00%"},
    // No digits to take a share of: 0.00%, never a division by zero.
    {"minus sign alone", "-\n", "0.00%"},
    {"no token at all", "", "0.00%"},
    {"only white space", "  \n\t\n", "0.00%"},
    // Other characters count as digits that are not 2; evenness is that of the leading number.
    {"trailing letter", "12a\n", "66.67%"},
    {"plus sign", "+12\n", "66.67%"},
    {"letters only", "abc\n", "0.00%"},
    {"text after a NUL is not seen",
     "22\0"
     "3\n"s,
     "200.00%"},
};

}  // namespace

TOUR("twos-share", kTwosShare[0]);

TEST(TwosShare, Examples) {
    check_cases("twos-share", kTwosShare);
}

TEST(TwosShare, HostileInputs) {
    check_survives("twos-share", hostile_inputs());
    const Case own[] = {
        {"NUL first",
         "\0"
         "22\n"s,
         ""},
        {"minus then NUL",
         "-\0"
         "2\n"s,
         ""},
        {"many minus signs", std::string(100, '-') + "\n", ""},
        {"100000 white space bytes then a token", std::string(100000, ' ') + "2\n", ""},
    };
    check_survives("twos-share", own);
}

TEST(TwosShare, CrLfSameAsLf) {
    check_crlf_same("twos-share", kTwosShare);
}
