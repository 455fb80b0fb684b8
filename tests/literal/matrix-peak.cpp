// matrix-peak, the literal algorithm: each matrix stored in a reused table, then scanned row by row for
// the first entry of largest absolute value.
#include <cstdio>
#include <cstdlib>

int main() {
    static int a[100][100];
    int m, n;
    while (std::scanf("%d %d", &m, &n) == 2) {
        if (m < 1 || m > 99 || n < 1 || n > 99)
            return 0;  // beyond the table: not a case this model is given
        for (int i = 1; i <= m; i++)
            for (int j = 1; j <= n; j++)
                if (std::scanf("%d", &a[i][j]) != 1)
                    return 0;
        int max = a[1][1], x = 1, y = 1;
        // The absolute value is taken in 64 bits, so the smallest Integer has one.
        for (int i = 1; i <= m; i++)
            for (int j = 1; j <= n; j++)
                if (std::llabs(max) < std::llabs(a[i][j])) {
                    max = a[i][j];
                    x = i;
                    y = j;
                }
        std::printf("%d %d %d\n", x, y, max);
    }
    return 0;
}
