// max-marker: lines until End of input, each written back with "(max)" after every occurrence of its
// largest character (signed 8-bit comparison); no newline is ever written.
#include "harness.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace std::string_literals;

namespace {

const Case kMaxMarker[] = {
    {"largest in the middle", "abcdefgfedcba\n", "abcdefg(max)fedcba"},
    {"all equal", "xxxxx\n", "x(max)x(max)x(max)x(max)x(max)"},
    {"abc, then zz", "abc\nzz\n", "abc(max)z(max)z(max)"},
    {"zz, then abc", "zz\nabc\n", "z(max)z(max)abc(max)"},
    {"Hello World", "Hello World\n", "Hello Wor(max)ld"},
    {"a b", "a b\n", "a b(max)"},
    {"largest is the first character", "zabz\n", "z(max)abz(max)"},
    {"only the largest is marked", "ayyby\n", "ay(max)y(max)by(max)"},
    {"empty line leaves no trace", "ab\n\ncd\n", "ab(max)cd(max)"},
    {"only empty lines", "\n\n\n", ""},
    {"no input at all", "", ""},
    {"last line without line end", "ab\nba", "ab(max)b(max)a"},
    {"space is the largest below 33", " \x01 \n", " (max)\x01 (max)"},
    {"space beats bytes 128 to 255", "\xFF \xC0\n", "\xFF (max)\xC0"},
    // Bytes 128 to 255 rank below ASCII; among themselves 128 is the smallest and 255 the largest.
    {"ASCII beats the bytes of GBK text",
     "a\xC4\xE3"
     "b\xBA\xC3\n",
     "a\xC4\xE3"
     "b(max)\xBA\xC3"},
    {"127 beats 128", "\x80\x7F\x80\n", "\x80\x7F(max)\x80"},
    {"only bytes 128 to 255", "\x80\xFF\xC4\xFF\n", "\x80\xFF(max)\xC4\xFF(max)"},
    {"128 alone", "\x80\n", "\x80(max)"},
    {"CR LF is one line end", "ab\r\ncd\r\n", "ab(max)cd(max)"},
    {"lone CR is a character", "\r\x01\n", "\r(max)\x01"},
    {"text after a NUL is not seen", "ab\0zz\ncd\n"s, "ab(max)cd(max)"},
    {"99 characters handled whole", std::string(98, 'a') + "b\n", std::string(98, 'a') + "b(max)"},
    {"over-long line keeps its first 99 bytes, the next line is read normally",
     std::string(99, 'a') + "zzz\nb\n",
     [] {
         std::string s;
         for (int i = 0; i < 99; i++)
             s += "a(max)";
         return s + "b(max)";
     }()},
};

}  // namespace

TOUR("max-marker", kMaxMarker[4]);

TEST(MaxMarker, Examples) {
    check_cases("max-marker", kMaxMarker);
}

// Many random lines over every byte but NUL, LF and CR, in one run, against the literal algorithm:
// each line is marked on its own.
TEST(MaxMarker, RandomLinesMatchModel) {
    std::mt19937 gen(3008);
    std::string input;
    for (int r = 0; r < 3000; r++) {
        std::string line(gen() % 100, ' ');
        for (char &c : line) {
            do
                c = static_cast<char>(gen() % 256);
            while (c == '\0' || c == '\n' || c == '\r');
        }
        if (r % 3 == 0)  // some lines of ASCII only, some of high bytes only
            for (char &c : line)
                c = static_cast<char>(32 + static_cast<unsigned char>(c) % 95);
        else if (r % 3 == 1)
            for (char &c : line)
                c = static_cast<char>(128 + static_cast<unsigned char>(c) % 128);
        input += line + "\n";
    }
    Outcome literal = run_literal("max-marker", input);
    ASSERT_EQ(literal.status, 0) << describe(literal);
    const Case batch[] = {{"3000 random lines", input, literal.out}};
    check_cases("max-marker", batch);
}

TEST(MaxMarker, HostileInputs) {
    check_survives("max-marker", hostile_inputs());
    const Case own[] = {
        {"100000 empty lines", std::string(100000, '\n'), ""},
        {"100000 CR LF pairs",
         [] {
             std::string s;
             for (int i = 0; i < 100000; i++)
                 s += "\r\n";
             return s;
         }(),
         ""},
        {"many over-long lines",
         [] {
             std::string s;
             for (int i = 0; i < 1000; i++)
                 s += std::string(500, static_cast<char>('a' + i % 26)) + "\n";
             return s;
         }(),
         ""},
    };
    check_survives("max-marker", own);
}

TEST(MaxMarker, CrLfSameAsLf) {
    check_crlf_same("max-marker", kMaxMarker);
}
