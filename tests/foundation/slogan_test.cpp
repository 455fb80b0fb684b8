// slogan: the sentence three times, the last without a line end; standard input is never read.
#include "harness.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kSlogan = "I'm gonna WIN!\nI'm gonna WIN!\nI'm gonna WIN!";

const Case kSloganCases[] = {
    {"no input", "", kSlogan},
    {"input is ignored", "I'm gonna LOSE\n42\n", kSlogan},
    {"a megabyte of input is ignored", std::string(1 << 20, 'x'), kSlogan},
};

}  // namespace

TOUR("slogan", kSloganCases[0]);

TEST(Slogan, Examples) {
    ASSERT_EQ(kSlogan.size(), 44u);
    check_cases("slogan", kSloganCases);
}

TEST(Slogan, EndsWhileStdinStaysOpen) {
    Options o;
    o.keep_stdin_open = true;
    check_cases("slogan", kSloganCases, o);
}

TEST(Slogan, HostileInput) {
    check_survives("slogan", hostile_inputs());
}
