// even-averages, the literal algorithm: 2, 4, ..., 2n added group by group, each group's sum divided.
#include <cstdio>

int main() {
    int n, m;
    while (std::scanf("%d %d", &n, &m) == 2) {
        if (m == 0 && n >= 1)
            return 0;  // would divide by zero: not a case this model is given
        // The group sum is 64-bit, so groups whose sum passes the Integer range stay exact; where a
        // 32-bit sum is exact the output is the same.
        long long s = 0;
        int b = 0, c = 0, d = 1;
        for (int i = 1; i <= n; i++) {
            int a = 2 * i;
            if (b < m) {
                s += a;
                b++;
            }
            if (b == m) {
                if (d == 1) {
                    std::printf("%lld", s / m);
                    d = 2;
                } else {
                    std::printf(" %lld", s / m);
                }
                s = 0;
                b = 0;
                c++;
            }
        }
        if (m * c != n)
            std::printf(" %lld", s / (n - m * c));
        std::printf("\n");
    }
    return 0;
}
