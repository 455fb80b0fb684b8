// walk-return: follows U, D, L, R steps from (0, 0) and prints the last step that ends back at the start.
#include <cstdio>

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
    if (std::scanf("%d", &n) != 1)
        n = 0;  // no count: no step
    // 64-bit position and step number: i can pass n = 2147483647 by one, and the position stays exact.
    long long x = 0, y = 0, b = 0;
    // How each character moves the walker, looked up rather than branched on: on a random walk the
    // branches guess wrong half the time, which costs more than reading the steps. Any other
    // character is a step without a move, and only a move is tested for the start.
    signed char dx[256] = {}, dy[256] = {};
    const int up = 'U', down = 'D', left = 'L', right = 'R';
    dy[up] = 1;
    dy[down] = -1;
    dx[left] = -1;
    dx[right] = 1;
    for (long long i = 1; i <= n; i++) {
        int a = read_char();
        if (a == EOF)
            break;  // input ended before n characters: the walk ends here
        int ex = dx[a], ey = dy[a];
        x += ex;
        y += ey;
        if ((ex | ey) != 0 && x == 0 && y == 0)
            b = i;
    }
    std::printf("%lld", b);
    return 0;
}
