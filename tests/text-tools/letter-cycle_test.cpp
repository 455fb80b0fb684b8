// letter-cycle: deals the letters K, M, S, W of one line out in passes, uppercase, no final line end.
#include "harness.hpp"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

using namespace std::string_literals;

namespace {

std::string repeat(const std::string &s, int times) {
    std::string r;
    for (int i = 0; i < times; i++)
        r += s;
    return r;
}

const Case kLetterCycle[] = {
    {"mixed line", "sWamKmissWk\n", "KMSWKMSWS"},
    {"one of each", "KMSW\n", "KMSW"},
    {"order of the line does not matter", "wsmk\n", "KMSW"},
    {"unequal counts", "KKK w\n", "KWKK"},
    {"one letter left for the last passes", "Mississippi\n", "MSSSS"},
    {"none of the letters", "Hello\n", ""},
    {"both cases counted together", "kKmMsSwW\n", "KMSWKMSW"},
    {"passes skip used-up letters", "sskkkm\n", "KMSKSK"},
    {"empty line", "\n", ""},
    {"no line at all", "", ""},
    {"neighbours of the letters", "JLjlRTrtVXvx\n", ""},
    {"bytes 128 to 255 are not letters", "\xCB\xCD\xD3\xD7\xEB\xED\xF3\xF7\n", ""},
    {"last line without line end", "wk", "KW"},
    {"only the first line is read", "k\nm\n", "K"},
    {"CR LF is one line end", "sk\r\n", "KS"},
    {"text after a NUL is not seen", "k\0m\n"s, "K"},
    {"9999 letters, long output", std::string(9000, 'm') + std::string(999, 'S') + "\n",
     repeat("MS", 999) + std::string(8001, 'M')},
    {"over-long line keeps its first 9999 bytes", std::string(9999, 'k') + "w\nm\n", std::string(9999, 'K')},
};

}  // namespace

TOUR("letter-cycle", kLetterCycle[0]);

TEST(LetterCycle, Examples) {
    check_cases("letter-cycle", kLetterCycle);
}

TEST(LetterCycle, HostileInputs) {
    check_survives("letter-cycle", hostile_inputs());
    const Case own[] = {
        {"100000 of every letter", repeat("kmswKMSW", 12500) + "\n", ""},
        {"CR at the buffer edge", std::string(9999, 's') + "\r", ""},
    };
    check_survives("letter-cycle", own);
}

TEST(LetterCycle, CrLfSameAsLf) {
    check_crlf_same("letter-cycle", kLetterCycle);
}
