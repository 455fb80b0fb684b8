// walk-return: a count, then that many characters as steps; prints the last step back at (0, 0).
#include "harness.hpp"

#include <gtest/gtest.h>

#include <string>

const Case kWalkReturn[] = {
    {"the line end after the count is step 1", "4\nUDLR", "3"},
    {"no character between count and letters", "4UDLR", "4"},
    {"a space is a step", "3 UD", "3"},
    {"ends away from the start", "2\nLR", "0"},
    {"lower-case letters do not move", "5\nUuDdD", "4"},
    {"count of 0 reads nothing", "0UD", "0"},
    {"negative count reads nothing", "-3\nUD", "0"},
    {"a later return replaces an earlier one", "8\nUDRRLLxy", "7"},
    // A lower-case step at the start neither moves nor counts as a return.
    {"lower-case at the start sets nothing", "4\nUDu", "3"},
    {"a CR LF pair is one step", "3\r\nUD", "3"},
    {"a lone CR is a step of its own", "3\rUD", "3"},
    {"line ends inside the steps are steps", "6\nU\nD\nL", "4"},
    {"input ends before n characters", "10\nUD", "3"},
    {"largest Integer count, short input", "2147483647\nUD", "3"},
    {"no count at all", "", "0"},
    {"letters for the count", "UD", "0"},
    {"long walk out and back", "200001\n" + std::string(100000, 'R') + std::string(100000, 'L'), "200001"},
};

TEST(WalkReturn, Examples) {
    check_cases("walk-return", kWalkReturn);
}

// Every line end written as CR LF instead gives the same step numbers.
TEST(WalkReturn, CrLfLineEndIsOneStep) {
    const Case rows[] = {
        {"line end as step 1", "4\nUDLR", ""},
        {"line ends inside the steps", "6\nU\nD\nL", ""},
        {"line end before lower-case steps", "5\nUuDdD", ""},
        {"line ends only", "3\n\n\n", ""},
        {"input ends early after a line end", "10\nUD\n", ""},
    };
    check_crlf_same("walk-return", rows);
}

TEST(WalkReturn, HostileInput) {
    check_survives("walk-return", hostile_inputs());
    const Case own[] = {
        {"largest count, 100000 moves one way", "2147483647 " + std::string(100000, 'U'), ""},
        {"largest count, nothing after it", "2147483647", ""},
        {"smallest Integer count", "-2147483648UDLR", ""},
        {"CR at the very end", "3\nU\r", ""},
    };
    check_survives("walk-return", own);
}

TOUR("walk-return", kWalkReturn[0]);
