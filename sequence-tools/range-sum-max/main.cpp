// range-sum-max: reads values and position ranges and prints the largest of the range sums.
#include <cstdio>
#include <vector>

int main() {
    int n = 0, m = 0;
    if (std::scanf("%d", &n) != 1)
        n = 0;  // no count: no values (and no query count can follow)

    // a[p] holds the total of the first p values, so a stretch from L to R sums in constant time as
    // a[R] - a[L - 1]: the same value as adding its entries one by one, in 64-bit so it is always exact.
    // Values are kept as they arrive, so a count above 10000 is processed in full, with memory in
    // proportion to the values actually given, never to the count announced.
    std::vector<long long> a(1, 0);
    for (int i = 0; i < n; i++) {
        int v;
        if (std::scanf("%d", &v) != 1)
            break;  // input ends or holds a non-number here: no query count can be read after it
        a.push_back(a.back() + v);
    }
    long long len = static_cast<long long>(a.size()) - 1;

    // Each query is answered as it is read; no query at all (m <= 0, or none readable) gives 0.
    long long max = 0;
    if (std::scanf("%d", &m) != 1)
        m = 0;
    for (int i = 0; i < m; i++) {
        int L, R;
        if (std::scanf("%d %d", &L, &R) != 2)
            break;  // input ended early: the queries read whole so far decide
        long long sum = 0;
        if (L < R) {
            // Positions outside 1..len hold no value: a stretch sums the positions it shares with
            // the list, and one that shares none sums to 0.
            long long lo = L < 1 ? 1 : L;
            long long hi = R > len ? len : R;
            if (lo <= hi)
                sum = a[hi] - a[lo - 1];
        }
        if (i == 0 || max < sum)
            max = sum;
    }
    std::printf("%lld", max);
    return 0;
}
