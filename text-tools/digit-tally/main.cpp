// digit-tally: reads one line and prints how often each decimal digit occurs in it.
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
    char num[1100];
    int num_[10] = {0};
    read_line(num, sizeof num);  // no line at all leaves num empty: no digit, no output
    int len = static_cast<int>(std::strlen(num));
    for (int i = 0; i < len; i++)
        if (num[i] >= '0' && num[i] <= '9')
            num_[num[i] - '0']++;
    for (int i = 0; i <= 9; i++)
        if (num_[i] != 0)
            std::printf("%d:%d\n", i, num_[i]);
    return 0;
}
