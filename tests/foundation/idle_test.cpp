// idle: writes nothing, creates nothing and ends at once, whatever standard input holds.
#include "harness.hpp"

#include <gtest/gtest.h>

TOUR("idle", Case{"no input, no output", "", ""});

// Every hostile input has an empty expected output, which is exactly what idle must print.
TEST(Idle, PrintsNothing) {
    check_cases("idle", hostile_inputs());
}

// Standard input is never read: a pipe that stays open must not keep the program waiting.
TEST(Idle, EndsWhileStdinStaysOpen) {
    Options o;
    o.keep_stdin_open = true;
    for (const char *input : {"", "some input\n"}) {
        SCOPED_TRACE(input);
        Outcome run = run_program("idle", input, o);
        EXPECT_FALSE(run.timed_out) << "idle waited for its input";
        EXPECT_TRUE(run.status == 0 && run.out.empty() && run.err.empty()) << describe(run);
        EXPECT_TRUE(run.files.empty()) << "idle created a file";
    }
}
