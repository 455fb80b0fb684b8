// vowel-tally: reads a count n and n lines, and prints how often each lowercase vowel occurs per line.
#include <cstdio>
#include <cstring>

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
    // A count that is not a number, or a negative one, processes no line and writes nothing.
    if (std::scanf("%d", &n) != 1 || n < 0)
        return 0;
    read_char();  // the one character after the count, normally its line end
    char a[100];
    bool first = true;
    while (n != 0) {
        n--;
        // Input that ends before n lines ends the run after the last full report. The empty line
        // goes before each report but the first, so such a run also ends without a dangling one.
        if (!read_line(a, sizeof a))
            break;
        if (!first)
            std::putchar('\n');
        first = false;
        int num1 = 0, num2 = 0, num3 = 0, num4 = 0, num5 = 0;
        int len = static_cast<int>(std::strlen(a));
        for (int i = 0; i < len; i++) {
            if (a[i] == 'a')
                num1++;
            else if (a[i] == 'e')
                num2++;
            else if (a[i] == 'i')
                num3++;
            else if (a[i] == 'o')
                num4++;
            else if (a[i] == 'u')
                num5++;
        }
        // The five lines "a:%d\n" to "u:%d\n", built in one buffer and written at once: five printf
        // calls per line cost more than reading it. A count is at most 99, one or two digits.
        const int counts[5] = {num1, num2, num3, num4, num5};
        char report[32];
        int used = 0;
        for (int v = 0; v < 5; v++) {
            report[used++] = "aeiou"[v];
            report[used++] = ':';
            if (counts[v] >= 10)
                report[used++] = static_cast<char>('0' + counts[v] / 10);
            report[used++] = static_cast<char>('0' + counts[v] % 10);
            report[used++] = '\n';
        }
        std::fwrite(report, 1, static_cast<std::size_t>(used), stdout);
    }
    return 0;
}
