// parity-file: int.txt -> newint.txt, odd numbers plus 1, even numbers minus 1, each followed by a space.
#include "harness.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

using namespace std::string_literals;

namespace {

struct FileCase {
    std::string name;
    std::string int_txt;     // content of int.txt
    std::string newint_txt;  // expected content of newint.txt
};

const FileCase kParityFile[] = {
    {"final line end", "1 2 3 4\n", "2 1 4 3 "},
    {"no final line end", "1 2 3 4", "2 1 4 3 "},
    {"three lines", "10\n7\n-3\n", "9 8 -2 "},
    {"zero and negatives", "0 -1 -2", "-1 0 -3 "},
    {"empty file", "", ""},
    {"only white space", " \n\t\n  ", ""},
    {"leading zeros", "007", "8 "},
    {"digits then letters", "12abc", "11 "},
    {"no digits gives 0", "abc - + -x", "-1 -1 -1 -1 "},
    {"explicit plus sign and minus zero", "+5 -0 +-3", "6 -1 -1 "},
    {"every white space separates", "1\t2\v3\f4\r5\r\n6", "2 1 4 3 6 5 "},
    {"NUL byte ends the number but not the token", "13\0x 2"s, "14 1 "},
    {"nine-digit tokens", "123456789 999999998 -999999999", "123456790 999999997 -999999998 "},
    // Sound behaviour where a 10-character buffer and 32-bit arithmetic would fail.
    {"nine 9s: partner needs ten characters", "999999999", "1000000000 "},
    {"largest Integer is odd: partner beyond 32 bits", "2147483647", "2147483648 "},
    {"smallest Integer is even: partner beyond 32 bits", "-2147483648", "-2147483649 "},
    {"ten characters", "1000000000 -100000000", "999999999 -100000001 "},
    {"long token of leading zeros is one number", "0000000000000000000000000000000000000042", "41 "},
    {"long token with letters is one number", "12" + std::string(5000, 'z') + " 3", "11 4 "},
    {"beyond the Integer range saturates", "99999999999 2147483648 -2147483649 -99999999999999999999999",
     "2147483648 2147483648 -2147483649 -2147483649 "},
};

// Runs parity-file with the given int.txt and an optional earlier newint.txt.
Outcome run_with(const std::string &int_txt, const std::string *old_newint = nullptr) {
    Options o;
    o.files["int.txt"] = int_txt;
    if (old_newint != nullptr)
        o.files["newint.txt"] = *old_newint;
    return run_program("parity-file", "", o);
}

// Runs parity-file with int.txt as given, after `prepare` has put links or directories in place.
Outcome run_prepared(const std::string &int_txt, std::function<void(const std::string &)> prepare) {
    Options o;
    if (!int_txt.empty())
        o.files["int.txt"] = int_txt;
    o.prepare = std::move(prepare);
    return run_program("parity-file", "", o);
}

}  // namespace

// The tour shows the worked example: stdout stays empty and newint.txt is shown afterwards.
Options tour_files() {
    Options o;
    o.files["int.txt"] = "1 2 3 4\n";
    return o;
}

TOUR("parity-file", Case{"1 2 3 4 with a final line end", "", ""}, tour_files());

TEST(ParityFile, Examples) {
    for (const FileCase &c : kParityFile) {
        SCOPED_TRACE(c.name);
        Outcome run = run_with(c.int_txt);
        EXPECT_TRUE(run.status == 0 && run.err.empty() && run.out.empty()) << describe(run);
        ASSERT_EQ(run.files.count("newint.txt"), 1u);
        EXPECT_EQ(run.files["newint.txt"], c.newint_txt) << "int.txt:\n"
                                                         << visible(c.int_txt) << "expected newint.txt:\n"
                                                         << visible(c.newint_txt) << "actual:\n"
                                                         << visible(run.files["newint.txt"]);
        EXPECT_EQ(run.files["int.txt"], c.int_txt) << "int.txt must be left as it was";
    }
}

// The pairing is its own inverse: the output, read back, gives the numbers first given.
TEST(ParityFile, SecondRunGivesTheNumbersBack) {
    const std::string numbers = "1 2 3 4 -1 0 -2 99 100 2147483646 -2147483647 123456789 ";
    Outcome first = run_with(numbers);
    Outcome second = run_with(first.files["newint.txt"]);
    EXPECT_NE(first.files["newint.txt"], numbers);
    EXPECT_EQ(second.files["newint.txt"], numbers);
}

TEST(ParityFile, EarlierNewintIsReplaced) {
    const std::string old = "old content that is longer than the new one\n";
    Outcome run = run_with("5", &old);
    EXPECT_EQ(run.files["newint.txt"], "6 ");
}

TEST(ParityFile, MissingInputFile) {
    Outcome absent = run_program("parity-file", "");
    EXPECT_EQ(absent.out, "error");
    EXPECT_EQ(absent.status, 0);
    EXPECT_TRUE(absent.err.empty()) << describe(absent);
    EXPECT_EQ(absent.files.count("newint.txt"), 0u) << "newint.txt must not be created";

    Options o;
    o.files["newint.txt"] = "1 2 3\n";
    Outcome kept = run_program("parity-file", "", o);
    EXPECT_EQ(kept.out, "error");
    EXPECT_EQ(kept.files["newint.txt"], "1 2 3\n") << "newint.txt must not be changed";
}

// A directory named int.txt opens but cannot be read: it counts as a missing input file.
TEST(ParityFile, UnreadableInputFile) {
    Outcome run = run_prepared("", [](const std::string &dir) {
        std::filesystem::create_directory(dir + "/int.txt");
        std::ofstream(dir + "/newint.txt") << "keep";
    });
    EXPECT_EQ(run.status, 0) << describe(run);
    EXPECT_EQ(run.out, "error");
    EXPECT_EQ(run.files["newint.txt"], "keep") << "newint.txt must not be changed";
}

// Failures to write newint.txt are reported on stderr; the program still ends normally.
TEST(ParityFile, OutputCannotBeWritten) {
    struct Row {
        const char *name;
        std::function<void(const std::string &)> prepare;
        const char *message;
    };
    const Row rows[] = {
        {"newint.txt is a directory",
         [](const std::string &dir) { std::filesystem::create_directory(dir + "/newint.txt"); },
         "parity-file: cannot open newint.txt for writing: Is a directory\n"},
        {"the disk is full",
         [](const std::string &dir) { std::filesystem::create_symlink("/dev/full", dir + "/newint.txt"); },
         "parity-file: writing newint.txt failed: No space left on device\n"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        Outcome run = run_prepared("1 2\n", row.prepare);
        EXPECT_TRUE(run.status == 0 && run.signal == 0 && !run.timed_out) << describe(run);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, row.message);
    }
}

// Every hostile input, as the content of int.txt: a clean end and one partner per token.
TEST(ParityFile, HostileInput) {
    std::vector<Case> inputs = hostile_inputs();
    inputs.push_back({"one token of 100000 digits", std::string(100000, '9'), ""});
    std::string many;
    for (int i = 0; i < 100000; i++)
        many += "7\n";
    inputs.push_back({"100000 one-digit tokens", many, ""});
    for (const Case &c : inputs) {
        SCOPED_TRACE(c.name);
        Outcome run = run_with(c.input);
        ASSERT_TRUE(run.status == 0 && run.signal == 0 && !run.timed_out && run.err.empty()) << describe(run);
        std::istringstream in(c.input), out(run.files["newint.txt"]);
        std::size_t tokens = 0, numbers = 0;
        for (std::string t; in >> t;)
            tokens++;
        for (long long v; out >> v;) {
            EXPECT_TRUE(v >= -2147483649LL && v <= 2147483648LL) << v;
            numbers++;
        }
        EXPECT_TRUE(out.eof()) << "newint.txt holds something other than numbers";
        EXPECT_EQ(numbers, tokens);
    }
}

TEST(ParityFile, CrLfSameAsLf) {
    for (const FileCase &c : kParityFile) {
        if (c.int_txt.find('\n') == std::string::npos)
            continue;
        std::string crlf;
        for (char ch : c.int_txt)
            crlf += ch == '\n' ? "\r\n" : std::string(1, ch);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(run_with(crlf).files["newint.txt"], c.newint_txt);
    }
}
