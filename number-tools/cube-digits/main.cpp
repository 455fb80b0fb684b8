// cube-digits: for each pair m n, lists the values from m to n equal to the sum of their parts' cubes.
#include <cmath>
#include <cstdio>

int main() {
    // Many cases may each print a line: write through one large buffer.
    static char out[1 << 16];
    std::setvbuf(stdout, out, _IOFBF, sizeof out);

    // Every match lies in -1099..1099. The three parts share the sign of i, so the sum of their cubes
    // is at least |a|^3 in magnitude, while |i| <= 100 * |a| + 99; for |a| >= 11, |a|^3 >= 121 * |a|
    // is larger. Where a^3 fits in 32 bits (|i| < 129100) pow gives every cube and sum exactly, so
    // the literal test below, run once over -1099..1099, finds exactly the values any range can
    // hold, and a case only has to pick them from its range: its time no longer depends on the
    // range's width, and a range reaching 2147483647 ends. Values whose a^3 leaves the 32-bit range
    // (whose sum would not even convert to an Integer) are never matches, as their sum shows.
    int match[32], num = 0;
    for (int i = -1099; i <= 1099; i++) {
        int a = i / 100, b = (i / 10) % 10, c = i % 10;
        int d = static_cast<int>(std::pow(a, 3.0) + std::pow(b, 3.0) + std::pow(c, 3.0));
        if (i == d && num < 32)
            match[num++] = i;
    }

    int m, n;
    while (std::scanf("%d %d", &m, &n) == 2) {
        int e = 0, flag = 0;
        for (int k = 0; k < num; k++) {
            int i = match[k];
            if (i < m || i > n)
                continue;
            if (e == 0)
                std::printf("%d", i);
            else
                std::printf(" %d", i);
            e = 1;
            flag = 1;
        }
        if (flag == 0)
            std::printf("no");
        std::printf("\n");
    }
    std::fflush(stdout);
    return 0;
}
