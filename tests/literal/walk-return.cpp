// walk-return, the literal algorithm: n characters read with "%c", the last step back at the start kept.
#include <cstdio>

int main() {
    int n, x = 0, y = 0, b = 0;
    char a;
    if (std::scanf("%d", &n) != 1)
        n = 0;
    for (int i = 1; i <= n; i++) {
        if (std::scanf("%c", &a) != 1)
            break;
        if (a == 'U')
            y++;
        else if (a == 'D')
            y--;
        else if (a == 'L')
            x--;
        else if (a == 'R')
            x++;
        else
            continue;
        if (x == 0 && y == 0)
            b = i;
    }
    if (b == 0)
        std::printf("0");
    else
        std::printf("%d", b);
    return 0;
}
