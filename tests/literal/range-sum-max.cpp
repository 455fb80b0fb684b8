// range-sum-max, the literal algorithm: every query's stretch summed entry by entry, the largest kept.
#include <cstdio>

int main() {
    static int a[10000], L[10000], R[10000];
    int n = 0, m = 0;
    if (std::scanf("%d", &n) != 1 || n < 0 || n > 10000)
        n = 0;
    for (int i = 0; i < n; i++)
        if (std::scanf("%d", &a[i]) != 1)
            return 0;
    if (std::scanf("%d", &m) != 1 || m < 0 || m > 10000)
        m = 0;
    for (int i = 0; i < m; i++)
        if (std::scanf("%d %d", &L[i], &R[i]) != 2)
            return 0;
    // The sums are 64-bit, so values anywhere in the Integer range add up exactly; where 32-bit sums
    // are exact the result is the same. With no query the largest sum stays 0.
    long long sum, max = 0;
    for (int i = 0; i < m; i++) {
        sum = 0;
        if (L[i] < R[i])
            for (int j = L[i] - 1; j <= R[i] - 1; j++)
                sum += a[j];
        if (i == 0)
            max = sum;
        if (max < sum)
            max = sum;
    }
    std::printf("%lld", max);
    return 0;
}
