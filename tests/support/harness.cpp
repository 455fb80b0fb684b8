// Test support: child processes with stdin bytes in, stdout/stderr bytes, status and files out.
#include "harness.hpp"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <poll.h>
#include <random>
#include <signal.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

// Directory of the built programs; the build passes it in, PROGRAM_DIR in the environment overrides it.
std::string program_path(std::string_view program) {
    const char *dir = std::getenv("PROGRAM_DIR");
    return std::string(dir != nullptr ? dir : PROGRAM_BIN_DIR) + "/" + std::string(program);
}

std::string make_work_dir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "suite-run-XXXXXX").string();
    if (mkdtemp(tmpl.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed: " + std::string(std::strerror(errno)));
    return tmpl;
}

void write_file(const std::string &path, const std::string &content) {
    std::ofstream f(path, std::ios::binary);
    f.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!f)
        throw std::runtime_error("cannot write " + path);
}

std::map<std::string, std::string> collect_files(const std::string &dir) {
    std::map<std::string, std::string> files;
    for (const auto &entry : std::filesystem::directory_iterator(dir)) {
        if (!entry.is_regular_file() || entry.is_symlink())
            continue;  // only the regular files the program left, never what a link points to
        std::ifstream f(entry.path(), std::ios::binary);
        std::ostringstream s;
        s << f.rdbuf();
        files[entry.path().filename().string()] = s.str();
    }
    return files;
}

void set_nonblocking(int fd) {
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
}

// Every line end becomes CR LF; a CR LF already there stays as it is.
std::string lf_to_crlf(std::string_view s) {
    std::string r;
    for (char c : s) {
        if (c == '\n' && (r.empty() || r.back() != '\r'))
            r += '\r';
        r += c;
    }
    return r;
}

// With SUITE_SEED_DIR set, every run leaves its inputs there as fuzzing seeds:
// <dir>/<program>/stdin-<hash> for stdin and <dir>/<program>/<file>-<hash> for each file laid out.
void keep_seed(std::string_view program, const std::string &kind, std::string_view bytes) {
    const char *root = std::getenv("SUITE_SEED_DIR");
    if (root == nullptr || bytes.size() > 4096)
        return;
    std::filesystem::path dir = std::filesystem::path(root) / std::string(program);
    std::filesystem::create_directories(dir);
    char name[32];
    std::snprintf(name, sizeof name, "-%016zx", std::hash<std::string_view>{}(bytes));
    write_file((dir / (kind + name)).string(), std::string(bytes));
}

struct TourEntry {
    std::string program;
    Case example;
    Options options;
};

std::vector<TourEntry> &tour_entries() {
    static std::vector<TourEntry> entries;
    return entries;
}

}  // namespace

// Runs the binary at `path`; with `seeds`, the inputs are kept as fuzzing seeds for `program`.
static Outcome run_binary(const std::string &path, std::string_view program, bool seeds,
                          std::string_view input, const Options &options) {
    const std::string dir = make_work_dir();
    for (const auto &[name, content] : options.files) {
        write_file(dir + "/" + name, content);
        if (seeds)
            keep_seed(program, name, content);
    }
    if (seeds)
        keep_seed(program, "stdin", input);
    if (options.prepare)
        options.prepare(dir);

    std::vector<std::string> env_strings;
    for (char **e = environ; *e != nullptr; e++)
        env_strings.emplace_back(*e);
    for (const auto &e : options.env)
        env_strings.push_back(e);
    std::vector<char *> envp;
    for (auto &e : env_strings)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string argv0 = path;
    char *argv[] = {argv0.data(), nullptr};

    int in[2], out[2], err[2];
    if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0)
        throw std::runtime_error("pipe failed");
    pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        // Only async-signal-safe calls between fork and exec.
        dup2(in[0], 0);
        dup2(out[1], 1);
        dup2(err[1], 2);
        for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]})
            close(fd);
        // The test process ignores SIGPIPE; the program gets the usual default unless its stdout is
        // to fail with EPIPE instead.
        signal(SIGPIPE, options.stdout_closed ? SIG_IGN : SIG_DFL);
        if (chdir(dir.c_str()) != 0)
            _exit(126);
        execve(argv[0], argv, envp.data());
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    close(err[1]);
    set_nonblocking(in[1]);
    set_nonblocking(out[0]);
    set_nonblocking(err[0]);

    Outcome run;
    bool out_open = true, err_open = true;
    if (options.stdout_closed) {
        close(out[0]);
        out_open = false;
    }
    std::size_t written = 0;
    int in_fd = in[1];
    if (input.empty() && !options.keep_stdin_open) {
        close(in_fd);
        in_fd = -1;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(options.timeout_s);
    char buf[1 << 16];
    while (out_open || err_open) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline -
                                                                          std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            run.timed_out = true;
            break;
        }
        pollfd fds[3];
        int nfds = 0;
        int out_i = -1, err_i = -1, in_i = -1;
        if (out_open) {
            out_i = nfds;
            fds[nfds++] = {out[0], POLLIN, 0};
        }
        if (err_open) {
            err_i = nfds;
            fds[nfds++] = {err[0], POLLIN, 0};
        }
        if (in_fd >= 0 && written < input.size()) {
            in_i = nfds;
            fds[nfds++] = {in_fd, POLLOUT, 0};
        }
        int ready =
            poll(fds, static_cast<nfds_t>(nfds), static_cast<int>(std::min<long long>(left.count(), 1000)));
        if (ready < 0 && errno != EINTR)
            break;
        if (ready <= 0)
            continue;
        if (in_i >= 0 && fds[in_i].revents != 0) {
            ssize_t n = write(in_fd, input.data() + written, input.size() - written);
            if (n > 0)
                written += static_cast<std::size_t>(n);
            if (n < 0 && errno != EAGAIN && errno != EINTR)
                written = input.size();  // the child closed its stdin: the rest is not wanted
            if (written == input.size() && !options.keep_stdin_open) {
                close(in_fd);
                in_fd = -1;
            }
        }
        if (out_i >= 0 && fds[out_i].revents != 0) {
            ssize_t n = read(out[0], buf, sizeof buf);
            if (n > 0)
                run.out.append(buf, static_cast<std::size_t>(n));
            else if (n == 0 || (errno != EAGAIN && errno != EINTR))
                out_open = false;
            if (run.out.size() > options.max_output) {
                run.output_capped = true;
                break;
            }
        }
        if (err_i >= 0 && fds[err_i].revents != 0) {
            ssize_t n = read(err[0], buf, sizeof buf);
            if (n > 0)
                run.err.append(buf, static_cast<std::size_t>(n));
            else if (n == 0 || (errno != EAGAIN && errno != EINTR))
                err_open = false;
        }
    }
    if (run.timed_out || run.output_capped)
        kill(pid, SIGKILL);
    if (in_fd >= 0)
        close(in_fd);
    if (!options.stdout_closed)
        close(out[0]);
    close(err[0]);

    // Both pipes are closed by now, but the child may still be running (it closed them early, or
    // it holds stdin open): wait for it within what is left of the time limit.
    int wstatus = 0;
    for (;;) {
        pid_t r = waitpid(pid, &wstatus, WNOHANG);
        if (r == pid)
            break;
        if (r < 0 && errno != EINTR)
            break;
        if (std::chrono::steady_clock::now() > deadline && !run.timed_out) {
            run.timed_out = true;
            kill(pid, SIGKILL);
        }
        usleep(1000);
    }
    if (WIFEXITED(wstatus))
        run.status = WEXITSTATUS(wstatus);
    else if (WIFSIGNALED(wstatus))
        run.signal = WTERMSIG(wstatus);

    run.files = collect_files(dir);
    std::filesystem::remove_all(dir);
    return run;
}

Outcome run_program(std::string_view program, std::string_view input, const Options &options) {
    return run_binary(program_path(program), program, true, input, options);
}

Outcome run_literal(std::string_view program, std::string_view input, const Options &options) {
    const std::string path = std::string(LITERAL_BIN_DIR) + "/" + std::string(program);
    return run_binary(path, program, false, input, options);
}

std::string visible(std::string_view bytes) {
    if (bytes.empty())
        return "[empty]\n";
    std::string s;
    for (unsigned char c : bytes) {
        if (c == '\n')
            s += "\\n\n";  // shown, then broken for reading
        else if (c == '\r')
            s += "\\r";
        else if (c == '\t')
            s += "\\t";
        else if (c == '\\')
            s += "\\\\";
        else if (c >= 32 && c < 127)
            s += static_cast<char>(c);
        else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            s += hex;
        }
    }
    if (bytes.back() != '\n')
        s += "[no final line end]\n";
    return s;
}

std::string describe(const Outcome &run) {
    std::string s;
    if (run.timed_out)
        s = "timed out (killed)";
    else if (run.output_capped)
        s = "output passed the cap (killed)";
    else if (run.signal != 0)
        s = "killed by signal " + std::to_string(run.signal) + " (" + strsignal(run.signal) + ")";
    else
        s = "exit " + std::to_string(run.status);
    if (!run.err.empty())
        s += "; stderr:\n" + run.err.substr(0, 4000);
    return s;
}

void check_cases(std::string_view program, std::span<const Case> cases, const Options &options) {
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(program) + ": " + c.name);
        Outcome run = run_program(program, c.input, options);
        EXPECT_TRUE(run.status == 0 && run.err.empty() && !run.timed_out) << describe(run);
        EXPECT_EQ(run.out, c.expected) << "input:\n"
                                       << visible(c.input) << "expected:\n"
                                       << visible(c.expected) << "actual:\n"
                                       << visible(run.out);
    }
}

void check_survives(std::string_view program, std::span<const Case> inputs, const Options &options) {
    for (const Case &c : inputs) {
        SCOPED_TRACE(std::string(program) + ": " + c.name);
        Outcome run = run_program(program, c.input, options);
        EXPECT_TRUE(run.status == 0 && run.signal == 0 && !run.timed_out && !run.output_capped &&
                    run.err.empty())
            << describe(run) << "\ninput (first 300 bytes):\n"
            << visible(std::string_view(c.input).substr(0, 300));
    }
}

void check_lines_match_literal(std::string_view program, std::string_view input,
                               std::span<const std::string> labels) {
    Outcome literal = run_literal(program, input);
    ASSERT_EQ(literal.status, 0) << describe(literal);
    std::vector<std::string> expected;  // the literal's lines, each with its line end
    for (std::size_t at = 0; at < literal.out.size();) {
        std::size_t end = literal.out.find('\n', at);
        end = end == std::string::npos ? literal.out.size() : end + 1;
        expected.push_back(literal.out.substr(at, end - at));
        at = end;
    }
    ASSERT_EQ(expected.size(), labels.size()) << "one line per case from the literal algorithm";
    Outcome run = run_program(program, input);
    ASSERT_TRUE(run.status == 0 && run.err.empty()) << describe(run);
    std::size_t at = 0;
    for (std::size_t c = 0; c < expected.size(); c++) {
        std::string got = run.out.substr(std::min(at, run.out.size()), expected[c].size());
        ASSERT_EQ(visible(got), visible(expected[c])) << "case " << c << ": " << labels[c];
        at += expected[c].size();
    }
    EXPECT_EQ(at, run.out.size()) << "output after the last case";
}

void check_crlf_same(std::string_view program, std::span<const Case> inputs, const Options &options) {
    for (const Case &c : inputs) {
        SCOPED_TRACE(std::string(program) + ": " + c.name + " (CR LF)");
        Outcome lf = run_program(program, c.input, options);
        Outcome crlf = run_program(program, lf_to_crlf(c.input), options);
        EXPECT_EQ(crlf.status, 0) << describe(crlf);
        EXPECT_EQ(crlf.out, lf.out) << "LF input:\n"
                                    << visible(c.input) << "LF output:\n"
                                    << visible(lf.out) << "CR LF output:\n"
                                    << visible(crlf.out);
    }
}

std::vector<Case> hostile_inputs() {
    std::string high;
    for (int c = 128; c < 256; c++)
        high += static_cast<char>(c);
    std::string random;
    std::mt19937 gen(12345);
    for (int i = 0; i < 100 * 1024; i++)
        random += static_cast<char>(gen() & 0xFF);
    return {
        {"no input at all", "", ""},
        {"only a line end", "\n", ""},
        {"only CR LF", "\r\n", ""},
        {"lone CR", "\r", ""},
        {"letters for numbers", "abc def\nxyz\n", ""},
        {"a minus sign alone", "-\n", ""},
        {"largest Integer", "2147483647 2147483647 2147483647 2147483647\n", ""},
        {"smallest Integer", "-2147483648 -2147483648 -2147483648 -2147483648\n", ""},
        {"negative counts", "-1 -1 -1 -1\n", ""},
        {"numeral beyond 64 bits", "99999999999999999999999999 5\n", ""},
        {"count then nothing", "5\n", ""},
        {"count then letters", "3\nx y z\n", ""},
        {"NUL bytes", std::string("1\0 2\0\n\0\0\n", 9), ""},
        {"bytes 128 to 255", high + "\n", ""},
        {"line of 100 characters", std::string(100, 'x') + "\n", ""},
        {"line of 1000 characters", std::string(1000, 'k') + "\n", ""},
        {"line of 10000 characters", std::string(10000, '7') + "\n", ""},
        {"line of 100000 characters", std::string(100000, 'W') + "\n", ""},
        {"100 KB of random bytes", random, ""},
    };
}

bool register_tour(std::string program, Case example, Options options) {
    tour_entries().push_back({std::move(program), std::move(example), std::move(options)});
    return true;
}

// Shows each registered example: the program, its input and files, and what it printed.
static int run_tour() {
    for (const TourEntry &t : tour_entries()) {
        std::printf("==== %s  (%s)\n", t.program.c_str(), t.example.name.c_str());
        for (const auto &[name, content] : t.options.files)
            std::printf("-- file %s:\n%s", name.c_str(), visible(content).c_str());
        std::printf("-- input:\n%s", visible(t.example.input).c_str());
        Outcome run = run_program(t.program, t.example.input, t.options);
        std::printf("-- output:\n%s", visible(run.out).c_str());
        for (const auto &[name, content] : run.files)
            if (t.options.files.count(name) == 0 || t.options.files.at(name) != content)
                std::printf("-- file %s afterwards:\n%s", name.c_str(), visible(content).c_str());
        if (run.out != t.example.expected)
            std::printf("-- DIFFERS from the expected output:\n%s", visible(t.example.expected).c_str());
        if (run.status != 0 || !run.err.empty())
            std::printf("-- %s\n", describe(run).c_str());
        std::printf("\n");
    }
    return 0;
}

int main(int argc, char **argv) {
    signal(SIGPIPE, SIG_IGN);  // a child that stops reading its stdin must not kill the test
    if (argc > 1 && std::strcmp(argv[1], "--tour") == 0)
        return run_tour();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
