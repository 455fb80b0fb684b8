// line-zeros, the literal algorithm: a count, one discarded character, then a line 0 per line read.
#include <cstdio>

// Line input: up to the line end, which is dropped (a CR before it too); at most cap - 1 bytes kept.
static void read_line(char *a, int cap) {
    int len = 0, c;
    while ((c = std::getchar()) != EOF && c != '\n')
        if (len < cap - 1)
            a[len++] = static_cast<char>(c);
    if (len > 0 && a[len - 1] == '\r' && c == '\n')
        len--;
    a[len] = '\0';
}

int main() {
    int n;
    char a[100];
    if (std::scanf("%d", &n) != 1)
        return 0;
    std::getchar();
    while (n > 0) {
        n--;
        read_line(a, sizeof a);
        std::printf("%d\n", 0);
    }
    return 0;
}
