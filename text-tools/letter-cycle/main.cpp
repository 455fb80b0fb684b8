// letter-cycle: reads one line and deals its letters K, M, S, W back out in passes, in uppercase.
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
    char a[10000];
    int num1 = 0, num2 = 0, num3 = 0, num4 = 0;
    read_line(a, sizeof a);  // no line at all leaves a empty: nothing to deal, no output
    int len = static_cast<int>(std::strlen(a));
    for (int i = 0; i < len; i++) {
        if (a[i] == 'k' || a[i] == 'K')
            num1++;
        else if (a[i] == 'm' || a[i] == 'M')
            num2++;
        else if (a[i] == 's' || a[i] == 'S')
            num3++;
        else if (a[i] == 'w' || a[i] == 'W')
            num4++;
    }
    // Every pass writes at least one letter, so the passes cost no more than the output itself.
    while (num1 != 0 || num2 != 0 || num3 != 0 || num4 != 0) {
        if (num1 > 0) {
            std::putchar('K');
            num1--;
        }
        if (num2 > 0) {
            std::putchar('M');
            num2--;
        }
        if (num3 > 0) {
            std::putchar('S');
            num3--;
        }
        if (num4 > 0) {
            std::putchar('W');
            num4--;
        }
    }
    return 0;
}
