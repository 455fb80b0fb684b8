// word-capitals: reads one line and writes it back with each word's first lowercase letter capitalised.
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

int main() {
    char a[100];
    read_line(a, sizeof a);  // no line at all leaves a empty: it is answered like an empty line
    int len = static_cast<int>(std::strlen(a));
    if (a[0] >= 'a' && a[0] <= 'z')
        a[0] = static_cast<char>(a[0] - 32);
    // A word starts only after a space: a tab or punctuation before a letter does not count.
    for (int i = 0; i < len - 1; i++)
        if (a[i] == ' ' && a[i + 1] >= 'a' && a[i + 1] <= 'z')
            a[i + 1] = static_cast<char>(a[i + 1] - 32);
    std::printf("%s\n", a);
    return 0;
}
