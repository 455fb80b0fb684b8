// line-zeros: reads a count n and then n lines, answering each line with a line holding 0.
#include <cstdio>

// Reads one line into buf (at most cap - 1 bytes) and drops its line end; a CR LF pair is one
// line end. The rest of an over-long line is read and discarded. Returns false when no line was there.
static bool read_line(char *buf, int cap) {
    int len = 0, c;
    while ((c = std::getchar()) != EOF && c != '\n') {
        if (c == '\r') {
            int d = std::getchar();
            if (d == '\n')
                break;
            if (d != EOF)
                std::ungetc(d, stdin);
        }
        if (len < cap - 1)
            buf[len++] = static_cast<char>(c);
    }
    buf[len] = '\0';
    return c != EOF || len > 0;
}

// Reads one character; a CR LF pair counts as one character (the line end). Returns EOF at the end.
static int read_char() {
    int c = std::getchar();
    if (c == '\r') {
        int d = std::getchar();
        if (d == '\n')
            return '\n';
        if (d != EOF)
            std::ungetc(d, stdin);
    }
    return c;
}

int main() {
    int n;
    if (std::scanf("%d", &n) != 1 || n < 0)
        return 0;  // a count that is not a number, or a negative one, processes no line
    read_char();   // the one character after the count, normally its line end
    char a[100];
    while (n != 0 && read_line(a, sizeof a)) {
        n--;
        std::fputs("0\n", stdout);  // the line 0, the bytes of "%d\n" for 0 without the formatting cost
        if (std::ferror(stdout))
            return 0;  // the output is gone: stop rather than read on
    }
    // Input ended before n lines: each remaining count still writes its line 0. n may be close to
    // 2^31, over 4 GB of output, so the lines go out in large blocks of "0\n" repeated.
    char block[1 << 16];
    for (int i = 0; i < static_cast<int>(sizeof block); i += 2) {
        block[i] = '0';
        block[i + 1] = '\n';
    }
    const int per_block = static_cast<int>(sizeof block / 2);
    while (n > 0) {
        int k = n < per_block ? n : per_block;
        if (std::fwrite(block, 2, static_cast<std::size_t>(k), stdout) != static_cast<std::size_t>(k))
            return 0;  // a failed write (closed pipe, full disk) ends the run instead of spinning
        n -= k;
    }
    return 0;
}
