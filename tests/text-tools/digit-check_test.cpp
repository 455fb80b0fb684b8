// digit-check: one line holding a decimal integer; writes the number, the sum of its digits, and
// whether that sum divides the number; no newline.
#include "harness.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace std::string_literals;

namespace {

const Case kDigitCheck[] = {
    {"12", "12\n", "12 3Yes"},
    {"13", "13\n", "13 4No"},
    {"-18", "-18\n", "-18 9Yes"},
    {"-14", "-14\n", "-14 5No"},
    {"digit sum 0 divides nothing", "0\n", "0 0No"},
    {"-0 is 0", "-0\n", "0 0No"},
    {"leading zeros", "007\n", "7 7Yes"},
    {"many leading zeros, value in range", std::string(900, '0') + "12\n", "12 3Yes"},
    {"largest Integer", "2147483647\n", "2147483647 46No"},
    {"smallest Integer", "-2147483648\n", "-2147483648 47No"},
    {"largest divisible value", "2147483568\n", "2147483568 48Yes"},
    {"smallest divisible value", "-2147483568\n", "-2147483568 48Yes"},
    {"last line without line end", "12", "12 3Yes"},
    {"only the first line is read", "13\n12\n", "13 4No"},
    {"CR LF is one line end", "-18\r\n", "-18 9Yes"},
    {"text after a NUL is not seen",
     "12\0"
     "5\n"s,
     "12 3Yes"},
    {"over-long line keeps its first 999 bytes", std::string(997, '0') + "12" + "345\n", "12 3Yes"},
    // Anything but an optional '-' and digits, with a value in the 32-bit range, is answered "0 0No".
    {"just above the Integer range", "2147483648\n", "0 0No"},
    {"just below the Integer range", "-2147483649\n", "0 0No"},
    {"beyond 64 bits", "99999999999999999999999999\n", "0 0No"},
    {"999 digits", std::string(999, '9') + "\n", "0 0No"},
    {"empty line", "\n", "0 0No"},
    {"no line at all", "", "0 0No"},
    {"minus sign alone", "-\n", "0 0No"},
    {"plus sign", "+12\n", "0 0No"},
    {"leading space", " 12\n", "0 0No"},
    {"trailing space", "12 \n", "0 0No"},
    {"second minus sign", "--12\n", "0 0No"},
    {"minus inside", "1-2\n", "0 0No"},
    {"letter", "12a\n", "0 0No"},
    {"lone CR is a character", "12\r5\n", "0 0No"},
    {"bytes 128 to 255", "\xB1\xB2\n", "0 0No"},
};

}  // namespace

TOUR("digit-check", kDigitCheck[0]);

TEST(DigitCheck, Examples) {
    check_cases("digit-check", kDigitCheck);
}

TEST(DigitCheck, HostileInputs) {
    check_survives("digit-check", hostile_inputs());
    const Case own[] = {
        {"minus then 100000 digits", "-" + std::string(100000, '8') + "\n", ""},
        {"value far past 64 bits in 999 digits", "-9" + std::string(998, '0') + "\n", ""},
        {"digits then NUL then digits",
         "-2147483648\0"
         "999\n"s,
         ""},
    };
    check_survives("digit-check", own);
}

TEST(DigitCheck, CrLfSameAsLf) {
    check_crlf_same("digit-check", kDigitCheck);
}
