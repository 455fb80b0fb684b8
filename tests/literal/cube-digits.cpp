// cube-digits, the literal algorithm: every value of each range tested by pow on its three parts.
#include <cmath>
#include <cstdio>

int main() {
    int m, n;
    while (std::scanf("%d %d", &m, &n) == 2) {
        int e = 0, flag = 0;
        for (int i = m; i <= n; i++) {
            int a = i / 100, b = (i / 10) % 10, c = i % 10;
            int d = static_cast<int>(std::pow(static_cast<double>(a), 3.0) +
                                     std::pow(static_cast<double>(b), 3.0) +
                                     std::pow(static_cast<double>(c), 3.0));
            if (i == d) {
                if (e == 0) {
                    std::printf("%d", i);
                    e = 1;
                } else {
                    std::printf(" %d", i);
                }
                flag = 1;
            }
        }
        if (flag == 0)
            std::printf("no");
        std::printf("\n");
    }
    return 0;
}
