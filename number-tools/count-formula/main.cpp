// count-formula: prints n squared over 2, rounded up, by one formula for odd n and one for even n.
#include <cstdio>

int main() {
    int n;
    // A missing or malformed number leaves nothing to compute: nothing is printed.
    if (std::scanf("%d", &n) != 1)
        return 0;
    // Worked in 64 bits: beyond a magnitude of 65535 (and at -65535) the products leave the 32-bit
    // range, and the exact value is printed (at most 2^61 for any 32-bit n).
    long long a, i;
    if (n & 1) {
        a = (static_cast<long long>(n) + 1) / 2 - 1;
        i = (static_cast<long long>(n) - 1) * a + n;
    } else {
        a = n / 2 - 1;
        i = n * (a + 1);
    }
    std::printf("%lld", i);
    return 0;
}
