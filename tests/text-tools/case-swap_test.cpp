// case-swap: swaps the case of ASCII letters in one line and leaves every other byte alone.
#include "harness.hpp"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

using namespace std::string_literals;

namespace {

const std::string k99(99, 'q');

const Case kCaseSwap[] = {
    {"mixed line", "Hello, World 42\n", "hELLO, wORLD 42\n"},
    {"lower then upper", "abcXYZ\n", "ABCxyz\n"},
    {"upper then lower", "ABCxyz\n", "abcXYZ\n"},
    {"no letters", "12 + 3 = 15\n", "12 + 3 = 15\n"},
    {"neighbours of the letter ranges", "@[`{\n", "@[`{\n"},
    {"range ends", "azAZ\n", "AZaz\n"},
    {"empty line", "\n", "\n"},
    {"no line at all", "", "\n"},
    {"only spaces and tabs", "  \t \n", "  \t \n"},
    {"last line without line end", "abc", "ABC\n"},
    {"only the first line is read", "ab\ncd\n", "AB\n"},
    {"CR LF is one line end", "Ab\r\n", "aB\n"},
    {"lone CR is an ordinary byte", "a\rb\n", "A\rB\n"},
    {"bytes 128 to 255 are not letters", "\xC1\xE1\xDA\xFA\xB5\n", "\xC1\xE1\xDA\xFA\xB5\n"},
    {"text after a NUL is not seen", "ab\0cd\n"s, "AB\n"},
    {"99 characters processed whole", k99 + "\n", std::string(99, 'Q') + "\n"},
    {"99 characters then CR LF", k99 + "\r\n", std::string(99, 'Q') + "\n"},
    {"over-long line keeps its first 99 bytes", std::string(98, 'a') + "bcd\nxy\n",
     std::string(98, 'A') + "B\n"},
};

// Every byte that is not an ASCII letter or a line end, in lines of at most 99 bytes: all unchanged.
std::vector<Case> non_letter_lines() {
    std::vector<Case> rows;
    std::string line;
    for (int c = 1; c < 256; c++) {
        bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (letter || c == '\n' || c == '\r')
            continue;
        line += static_cast<char>(c);
        if (line.size() == 99 || c == 255) {
            rows.push_back({"non-letters ending at byte " + std::to_string(c), line + "\n", line + "\n"});
            line.clear();
        }
    }
    return rows;
}

}  // namespace

TOUR("case-swap", kCaseSwap[0]);

TEST(CaseSwap, Examples) {
    check_cases("case-swap", kCaseSwap);
}

TEST(CaseSwap, EveryNonLetterByteUnchanged) {
    check_cases("case-swap", non_letter_lines());
}

TEST(CaseSwap, SwappingTwiceRestores) {
    const std::vector<std::string> lines = {
        "The Quick Brown Fox, 1234!",
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ",
        "m\xE9lange \xC0 la CARTE",
    };
    for (const std::string &line : lines) {
        Outcome once = run_program("case-swap", line + "\n");
        Outcome twice = run_program("case-swap", once.out);
        EXPECT_NE(once.out, line + "\n");
        EXPECT_EQ(twice.out, line + "\n");
    }
}

TEST(CaseSwap, HostileInputs) {
    check_survives("case-swap", hostile_inputs());
    const Case own[] = {
        {"CR at the buffer edge", std::string(99, 'x') + "\r", ""},
        {"CR then end of input", "ab\r", ""},
        {"many CRs", std::string(5000, '\r'), ""},
    };
    check_survives("case-swap", own);
}

TEST(CaseSwap, CrLfSameAsLf) {
    check_crlf_same("case-swap", kCaseSwap);
}
