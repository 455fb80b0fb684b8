// Test support: runs a built program as a child process and compares its bytes exactly.
#pragma once

#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// One row of a program's table: the bytes given on stdin and the exact bytes expected on stdout.
struct Case {
    std::string name;
    std::string input;
    std::string expected;
};

// How to run a program. Files are laid into a fresh temporary working directory.
struct Options {
    std::map<std::string, std::string> files;             // name -> content, written before the run
    std::vector<std::string> env;                         // extra NAME=value entries for the child
    std::function<void(const std::string &dir)> prepare;  // shapes the working directory further
    double timeout_s = 20.0;                              // a run still going after this is killed
    bool keep_stdin_open = false;                         // leave stdin open after the input is written
    bool stdout_closed = false;          // nobody reads stdout, and SIGPIPE is ignored: writes fail
    std::size_t max_output = 64u << 20;  // stop reading (and kill) beyond this many stdout bytes
};

// What one run left behind.
struct Outcome {
    std::string out;                           // stdout bytes
    std::string err;                           // stderr bytes (sanitizer reports land here)
    int status = -1;                           // exit status, or -1 when ended by a signal
    int signal = 0;                            // terminating signal, or 0
    bool timed_out = false;                    // killed because the time limit passed
    bool output_capped = false;                // killed because stdout passed max_output
    std::map<std::string, std::string> files;  // regular files in the working directory afterwards
};

// Runs the built program `program` (a deliverable name such as "case-swap") with `input` on stdin.
// With SUITE_SEED_DIR set in the environment, the inputs of every run are also kept there, one
// directory per program, as seeds for the fuzzer.
Outcome run_program(std::string_view program, std::string_view input, const Options &options = {});

// Runs the literal algorithm of `program` (<build>/literal/<program>, built from tests/literal/) the same
// way, for comparing a program's bytes with the described algorithm's on the same input.
Outcome run_literal(std::string_view program, std::string_view input, const Options &options = {});

// The bytes with invisible characters shown: \n \r \t \\ and \xNN for bytes outside printable
// ASCII; a marker when the final line end is missing, another for empty output.
std::string visible(std::string_view bytes);

// A one-line summary of how a run ended, for failure messages ("exit 0", "signal 11", "timed out").
std::string describe(const Outcome &run);

// Every row: exact stdout, exit status 0, nothing on stderr. Failures name the row and show both sides.
void check_cases(std::string_view program, std::span<const Case> cases, const Options &options = {});

// Every row's input must end cleanly: no timeout, no signal, exit status 0, nothing on stderr.
// The expected bytes of a row are ignored here; only survival is checked.
void check_survives(std::string_view program, std::span<const Case> inputs, const Options &options = {});

// Runs `program` and its literal algorithm on one batch of cases, each answered with one output line,
// and compares them line by line; a difference names its case by `labels[case]`.
void check_lines_match_literal(std::string_view program, std::string_view input,
                               std::span<const std::string> labels);

// The same inputs with every line end made CR LF must give the same stdout as the inputs as given.
void check_crlf_same(std::string_view program, std::span<const Case> inputs, const Options &options = {});

// Inputs every program must survive: no input, letters for numbers, huge and negative counts,
// lines of 100 to 100000 characters, NUL bytes, bytes 128 to 255, 100 KB of random bytes.
std::vector<Case> hostile_inputs();

// Registers one example for the tour (`<test binary> --tour` runs it and shows input and output).
// Use once per binary a test file covers: TOUR("case-swap", kCaseSwap[0]);
bool register_tour(std::string program, Case example, Options options = {});
#define TOUR_CONCAT2(a, b) a##b
#define TOUR_CONCAT(a, b) TOUR_CONCAT2(a, b)
#define TOUR(...)                                                                                            \
    [[maybe_unused]] static const bool TOUR_CONCAT(tour_registered_, __LINE__) = register_tour(__VA_ARGS__)
