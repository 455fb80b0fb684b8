// step-sequence: prints term n of the sequence 1, 2, 3, 4, 6, 8, 10, 13, ... for each n until a 0.
#include <cstdio>

int main() {
    int n;
    while (std::scanf("%d", &n) == 1) {
        if (n == 0)
            break;  // a 0 ends the run; whatever follows it is left unread
        if (n < 0)
            continue;  // a sequence has no term before the first: nothing is printed for it
        // Step s (s >= 2) adds (s - 2) / 3 + 1, so term n is 1 plus the sum of t / 3 + 1 over
        // t = 0 .. n - 2. Of those n - 1 values of t, g = (n - 1) / 3 full groups of three add
        // 3 * (0 + 1 + ... + (g - 1)) to the sum of t / 3 and the r = (n - 1) % 3 left over add g each.
        // This is the stepwise term exactly; in 64 bits it stays exact for every n up to 2147483647.
        long long g = (n - 1) / 3, r = (n - 1) % 3;
        long long term = n + 3 * g * (g - 1) / 2 + r * g;
        std::printf("%lld\n", term);
    }
    return 0;
}
