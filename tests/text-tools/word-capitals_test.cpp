// word-capitals: capitalises a lowercase letter at the start of the line or right after a space.
#include "harness.hpp"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

using namespace std::string_literals;

namespace {

const Case kWordCapitals[] = {
    {"two words", "hello world\n", "Hello World\n"},
    {"never lowers", "hELLO wORLD\n", "HELLO WORLD\n"},
    {"only a space starts a word", "hello,world and more\n", "Hello,world And More\n"},
    {"digit first", "3 little pigs\n", "3 Little Pigs\n"},
    {"leading space", " abc\n", " Abc\n"},
    {"two spaces before a word", "a  bc\n", "A  Bc\n"},
    {"two leading spaces", "  abc\n", "  Abc\n"},
    {"letter after a tab keeps its case", "a\tb\n", "A\tb\n"},
    {"empty line", "\n", "\n"},
    {"no line at all", "", "\n"},
    {"trailing space kept", "ab \n", "Ab \n"},
    {"single letter", "z\n", "Z\n"},
    {"first character uppercase", "Abc def\n", "Abc Def\n"},
    {"first character a byte 128 to 255",
     "\xE1"
     "bc d\n",
     "\xE1"
     "bc D\n"},
    {"byte 128 to 255 after a space", "a \xE1\n", "A \xE1\n"},
    {"neighbours of the lowercase range", "` { a\n", "` { A\n"},
    {"last line without line end", "one two", "One Two\n"},
    {"only the first line is read", "ab\ncd\n", "Ab\n"},
    {"CR LF is one line end", "ab cd\r\n", "Ab Cd\n"},
    {"lone CR does not start a word", "a\rb\n", "A\rb\n"},
    {"text after a NUL is not seen", "ab\0 cd\n"s, "Ab\n"},
    {"99 characters processed whole", std::string(97, 'x') + " y\n", "X" + std::string(96, 'x') + " Y\n"},
    {"over-long line: a space at the cut changes nothing", std::string(98, 'x') + " ab\nnext\n",
     "X" + std::string(97, 'x') + " \n"},
};

}  // namespace

TOUR("word-capitals", kWordCapitals[0]);

TEST(WordCapitals, Examples) {
    check_cases("word-capitals", kWordCapitals);
}

TEST(WordCapitals, HostileInputs) {
    check_survives("word-capitals", hostile_inputs());
    const Case own[] = {
        {"99 spaces then a letter", std::string(99, ' ') + "a\n", ""},
        {"only spaces, long", std::string(100000, ' ') + "\n", ""},
        {"CR then end of input", "a \r", ""},
    };
    check_survives("word-capitals", own);
}

TEST(WordCapitals, CrLfSameAsLf) {
    check_crlf_same("word-capitals", kWordCapitals);
}
