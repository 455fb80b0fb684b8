// vowel-tally: a count n, then n lines; for each line the counts of a, e, i, o, u.
#include "harness.hpp"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

using namespace std::string_literals;

namespace {

const std::string kZeros = "a:0\ne:0\ni:0\no:0\nu:0\n";
const std::string kBanana = "a:3\ne:0\ni:0\no:0\nu:0\n";
const std::string kQueue = "a:0\ne:2\ni:0\no:0\nu:2\n";

const Case kVowelTally[] = {
    {"two lines", "2\nbanana\nQueue\n", kBanana + "\n" + kQueue},
    {"count of 0 writes nothing", "0\nbanana\n", ""},
    {"count of 1: no empty line", "1\nbanana\n", kBanana},
    {"uppercase vowels are not counted", "1\nAEIOU\n", kZeros},
    {"empty line", "1\n\n", kZeros},
    {"every vowel", "1\naeiouuoiea xyz\n", "a:2\ne:2\ni:2\no:2\nu:2\n"},
    {"a space after the count is the discarded character", "2 \nbanana\n", kZeros + "\n" + kBanana},
    {"count and text on one line", "1 hello\n", "a:0\ne:1\ni:0\no:1\nu:0\n"},
    {"CR LF after the count is one character", "2\r\nbanana\r\nQueue\r\n", kBanana + "\n" + kQueue},
    {"last line without line end", "2\nbanana\nQueue", kBanana + "\n" + kQueue},
    {"lines after the n-th are ignored", "1\nbanana\nQueue\n", kBanana},
    {"input ends before n lines", "3\nbanana\nQueue\n", kBanana + "\n" + kQueue},
    {"huge count, one line", "2147483647\nbanana\n", kBanana},
    {"count then nothing", "1", ""},
    {"count then only its line end", "1\n", ""},
    {"negative count", "-1\nbanana\n", ""},
    {"count that is not a number", "x\nbanana\n", ""},
    {"no input at all", "", ""},
    {"bytes 128 to 255 are not vowels", "1\n\xE1\xE5\xE9\xEF\xF5\n", kZeros},
    {"text after a NUL is not seen", "1\nbanana\0aaa\n"s, kBanana},
    {"99 characters counted whole", "1\n" + std::string(99, 'o') + "\n", "a:0\ne:0\ni:0\no:99\nu:0\n"},
    {"over-long line keeps 99 bytes, next line read normally", "2\n" + std::string(99, 'o') + "ooooo\nue\n",
     "a:0\ne:0\ni:0\no:99\nu:0\n\na:0\ne:1\ni:0\no:0\nu:1\n"},
};

}  // namespace

TOUR("vowel-tally", kVowelTally[0]);

TEST(VowelTally, Examples) {
    check_cases("vowel-tally", kVowelTally);
}

TEST(VowelTally, HostileInputs) {
    check_survives("vowel-tally", hostile_inputs());
    const Case own[] = {
        {"huge count, no lines", "2147483647\n", ""},
        {"huge count, many empty lines", "2147483647\n" + std::string(100000, '\n'), ""},
        {"count beyond the Integer range", "99999999999\nabc\n", ""},
        {"smallest Integer count", "-2147483648\nabc\n", ""},
        {"count then CR at end of input", "1\r", ""},
    };
    check_survives("vowel-tally", own);
}

TEST(VowelTally, CrLfSameAsLf) {
    check_crlf_same("vowel-tally", kVowelTally);
}
