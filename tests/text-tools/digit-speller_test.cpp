// digit-speller: one line, an optional minus sign then digits, spelled as syllables with no newline.
#include "harness.hpp"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

namespace {

const char *const kSyllable[10] = {"ling", "yi", "er", "san", "si", "wu", "liu", "qi", "ba", "jiu"};

// The words for a string of digits, joined by single spaces.
std::string spelled(const std::string &digits) {
    std::string words;
    for (char d : digits) {
        if (!words.empty())
            words += ' ';
        words += kSyllable[d - '0'];
    }
    return words;
}

const std::string k999Digits = [] {
    std::string s;
    for (int i = 0; i < 999; i++)
        s += static_cast<char>('0' + (i * 7 + 3) % 10);
    return s;
}();

const Case kDigitSpeller[] = {
    {"600", "600\n", "liu ling ling"},
    {"-600", "-600\n", "fu liu ling ling"},
    {"0", "0\n", "ling"},
    {"-0", "-0\n", "fu ling"},
    {"leading zeros are spelled", "007\n", "ling ling qi"},
    {"918", "918\n", "jiu yi ba"},
    {"-42", "-42\n", "fu si er"},
    {"every digit", "0123456789\n", "ling yi er san si wu liu qi ba jiu"},
    {"minus sign alone", "-\n", "fu"},
    {"empty line", "\n", ""},
    {"no line at all", "", ""},
    {"last line without line end", "-7", "fu qi"},
    {"only the first line is read", "12\n34\n", "yi er"},
    {"CR LF is one line end", "-42\r\n", "fu si er"},
    {"number far beyond the Integer range", "-" + k999Digits.substr(0, 300) + "\n",
     "fu " + spelled(k999Digits.substr(0, 300))},
    {"999 digits spelled whole", k999Digits + "\n", spelled(k999Digits)},
    {"over-long line keeps its first 999 bytes", k999Digits + "123\n45\n", spelled(k999Digits)},
    // A character that is not a digit has no syllable: it is skipped, and no stray space appears.
    {"non-digit first", "a12\n", "yi er"},
    {"plus sign", "+5\n", "wu"},
    {"space between digits", "1 2\n", "yi er"},
    {"second minus sign", "-4-2\n", "fu si er"},
    {"trailing letters", "12xy\n", "yi er"},
    {"minus sign then only letters", "-abc\n", "fu"},
    {"only non-digits", "abc +\n", ""},
    {"lone CR is skipped like any non-digit", "4\r2\n", "si er"},
    {"bytes 128 to 255 have no syllable",
     "\xB1"
     "3\xFF\x80"
     "8\n",
     "san ba"},
    {"neighbours of the digit range", "/0:9\n", "ling jiu"},
    {"text after a NUL is not seen",
     "12\0"
     "34\n"s,
     "yi er"},
};

}  // namespace

TOUR("digit-speller", kDigitSpeller[1]);

TEST(DigitSpeller, Examples) {
    check_cases("digit-speller", kDigitSpeller);
}

TEST(DigitSpeller, HostileInputs) {
    check_survives("digit-speller", hostile_inputs());
    std::string high;
    for (int c = 128; c < 256; c++)
        high += static_cast<char>(c);
    const Case own[] = {
        {"minus then bytes 128 to 255", "-" + high + "\n", ""},
        {"only minus signs", std::string(5000, '-') + "\n", ""},
        {"999 bytes with no digit", std::string(999, '\xC8') + "\n", ""},
    };
    check_survives("digit-speller", own);
}

TEST(DigitSpeller, CrLfSameAsLf) {
    check_crlf_same("digit-speller", kDigitSpeller);
}
