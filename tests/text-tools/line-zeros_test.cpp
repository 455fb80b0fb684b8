// line-zeros: a count n, one discarded character, then n lines; each answered with the line 0, and
// the remaining lines 0 still written when input ends early.
#include "harness.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace std::string_literals;

namespace {

std::string zeros(int n) {
    std::string s;
    for (int i = 0; i < n; i++)
        s += "0\n";
    return s;
}

std::string lines(int n, const std::string &line) {
    std::string s;
    for (int i = 0; i < n; i++)
        s += line + "\n";
    return s;
}

const Case kLineZeros[] = {
    {"three lines", "3\nhello\n\n123\n", zeros(3)},
    {"count of 0 writes nothing", "0\nhello\n", ""},
    {"count then End of input", "2", zeros(2)},
    {"count and its line end, then End of input", "2\n", zeros(2)},
    {"space after the count: the rest of its line is the first line", "2 \nx\n", zeros(2)},
    {"count and text on one line", "1 hello\n", zeros(1)},
    {"lines after the n-th are ignored", "1\na\nb\nc\n", zeros(1)},
    {"input ends part way", "5\na\nb\n", zeros(5)},
    {"last line without line end", "2\na\nb", zeros(2)},
    {"CR LF after the count is one character", "2\r\na\r\nb\r\n", zeros(2)},
    {"negative count", "-3\na\n", ""},
    {"smallest Integer count", "-2147483648\na\n", ""},
    {"count that is not a number", "x\na\n", ""},
    {"no input at all", "", ""},
    {"over-long line", "2\n" + std::string(100000, 'w') + "\nx\n", zeros(2)},
    {"line with NUL and high bytes", "2\na\0b\n\xC4\xE3\n"s, zeros(2)},
};

// Everything written must be whole lines "0"; when `capped`, the run was stopped at the cap instead.
void expect_only_zero_lines(const Outcome &run, bool capped) {
    EXPECT_TRUE(run.err.empty()) << run.err;
    EXPECT_FALSE(run.timed_out);
    EXPECT_EQ(run.output_capped, capped) << describe(run);
    if (!capped) {
        EXPECT_TRUE(run.status == 0 && run.out.size() % 2 == 0) << describe(run);
    }
    for (std::size_t i = 0; i < run.out.size(); i++) {
        if (run.out[i] != (i % 2 == 0 ? '0' : '\n')) {
            ADD_FAILURE() << "byte " << i << " of the output is not part of a line 0";
            break;
        }
    }
}

}  // namespace

TOUR("line-zeros", kLineZeros[0]);

TEST(LineZeros, Examples) {
    check_cases("line-zeros", kLineZeros);
}

// The largest count with no lines after it means over 4 GB of output: the run is stopped at a small
// cap, and what came out by then must all be lines 0.
// The lines left when input ends go out in large blocks: counts around a block's size, with and without
// lines before the end. Compared by line count, so a failure stays short.
TEST(LineZeros, RemainingLinesExact) {
    const struct {
        int n;
        int lines_given;
    } rows[] = {{100000, 0}, {100000, 70000}, {32767, 0}, {32768, 0}, {32769, 1}, {65536, 0}, {65537, 0}};
    for (const auto &row : rows) {
        const std::string input = std::to_string(row.n) + "\n" + lines(row.lines_given, "abc");
        SCOPED_TRACE("count " + std::to_string(row.n) + ", " + std::to_string(row.lines_given) + " lines");
        Outcome run = run_program("line-zeros", input);
        expect_only_zero_lines(run, false);
        EXPECT_EQ(run.out.size() / 2, static_cast<std::size_t>(row.n)) << "lines 0 written";
    }
}

TEST(LineZeros, LargestCountKeepsWriting) {
    Options capped;
    capped.max_output = 1u << 20;
    for (const std::string &input : {"2147483647\n"s, "2147483647"s, "2147483647\na\nb\n"s}) {
        SCOPED_TRACE(visible(input));
        expect_only_zero_lines(run_program("line-zeros", input, capped), true);
    }
}

TEST(LineZeros, HostileInputs) {
    // The shared set holds counts of 2147483647 too; those runs are stopped at the cap, the rest must
    // end by themselves. Either way only lines 0 are written.
    Options capped;
    capped.max_output = 1u << 20;
    std::vector<Case> inputs = hostile_inputs();
    inputs.push_back({"huge count, many empty lines", "2147483647\n" + std::string(100000, '\n'), ""});
    inputs.push_back({"count then CR at End of input", "1\r", ""});
    inputs.push_back({"count then 100000 characters without line end", "3\n" + std::string(100000, 'q'), ""});
    for (const Case &c : inputs) {
        SCOPED_TRACE(c.name);
        Outcome run = run_program("line-zeros", c.input, capped);
        expect_only_zero_lines(run, run.output_capped);
        if (run.output_capped) {
            EXPECT_EQ(c.input.rfind("2147483647", 0), 0u) << "only the largest count may run past the cap";
        }
    }
}

TEST(LineZeros, CrLfSameAsLf) {
    check_crlf_same("line-zeros", kLineZeros);
}

// Gigabytes of output from a few bytes of input: once the output is gone, the program stops.
TEST(LineZeros, StopsWhenOutputIsClosed) {
    Options o;
    o.stdout_closed = true;
    Outcome run = run_program("line-zeros", "2147483647\n", o);
    EXPECT_TRUE(run.status == 0 && !run.timed_out && run.err.empty()) << describe(run);
}
