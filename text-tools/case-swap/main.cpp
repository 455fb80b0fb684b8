// case-swap: reads one line and writes it back with the case of every ASCII letter swapped.
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
    for (int i = 0; i < len; i++) {
        if (a[i] >= 'a' && a[i] <= 'z')
            a[i] = static_cast<char>(a[i] - 32);
        else if (a[i] >= 'A' && a[i] <= 'Z')
            a[i] = static_cast<char>(a[i] + 32);
    }
    std::printf("%s\n", a);
    return 0;
}
