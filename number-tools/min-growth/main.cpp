// min-growth: from 1, takes N steps of doubling or adding K, whichever is smaller; prints the value.
#include <climits>
#include <cstdio>

int main() {
    int N, K;
    // A missing or malformed number leaves nothing to compute: nothing is printed.
    if (std::scanf("%d", &N) != 1 || std::scanf("%d", &K) != 1)
        return 0;
    // The value is kept in 64 bits, so results beyond the 32-bit range print exactly. The loop ends as
    // soon as the rest of the steps is known, since N may be as large as 2147483647.
    long long n = 1;
    for (int i = 1; i <= N; i++) {
        // A value this low is below K, so the step doubles it past the 64-bit range: the value is held
        // at the lowest 64-bit value from here on.
        if (n < LLONG_MIN / 2) {
            n = LLONG_MIN;
            break;
        }
        long long a = n + n, b = n + K;
        if (a > b) {
            // Adding wins (n > K). With K >= 0 the new value is still above K, so adding wins every
            // remaining step: take them at once. The result stays below (N + 1) * K < 2^62.
            if (K >= 0) {
                n += static_cast<long long>(N - i + 1) * K;
                break;
            }
            n = b;
        } else {
            n = a;
        }
    }
    std::printf("%lld\n", n);
    return 0;
}
