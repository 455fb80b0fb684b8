// sum-triples: counts the pairs of list positions whose sum equals an entry, once per matching entry.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

// Counts the ordered pairs of positions (i, j), i != j, of the sorted list q[0..m-1] with
// q[i] + q[j] == s. Two pointers walk inward over runs of equal values; the sum is taken in 64 bits,
// so a sum outside the Integer range matches no entry instead of wrapping onto one.
static long long ordered_pairs(const int *q, int m, long long s) {
    long long pairs = 0;
    // A value above s - q[0] is too large even beside the smallest value, and a value below
    // s - q[m - 1] too small even beside the largest: the walk starts inside those bounds.
    int lo = static_cast<int>(std::lower_bound(q, q + m, s - q[m - 1]) - q);
    int hi = static_cast<int>(std::upper_bound(q, q + m, s - q[0]) - q) - 1;
    while (lo < hi) {
        long long sum = static_cast<long long>(q[lo]) + q[hi];
        if (sum < s) {
            lo++;
        } else if (sum > s) {
            hi--;
        } else if (q[lo] == q[hi]) {
            long long len = hi - lo + 1;  // every position from lo to hi holds s / 2
            pairs += len * (len - 1);
            break;
        } else {
            long long a = 1, b = 1;
            while (q[lo + 1] == q[lo]) {
                lo++;
                a++;
            }
            while (q[hi - 1] == q[hi]) {
                hi--;
                b++;
            }
            pairs += 2 * a * b;  // (i, j) and (j, i) for every pairing of the two runs
            lo++;
            hi--;
        }
    }
    return pairs;
}

int main() {
    // Above this many values the quadratic count would take too long; such a count is refused like a
    // block that cannot be obtained. Lists within the Integer-exact range (up to 1290 values) fit easily.
    const int max_values = 10000;
    long long count = 0;
    int n;
    if (std::scanf("%d", &n) != 1 || n <= 0) {
        std::printf("%lld", count);  // no list, or an empty one: no pair at all
        return 0;
    }
    if (n > max_values)
        return 0;  // refused: nothing is printed, since 0 would read as a real count
    int *p = static_cast<int *>(std::malloc(static_cast<std::size_t>(n) * sizeof(int)));
    if (p == nullptr)
        return 0;  // no block: nothing is printed, as for a refused count
    int *q = p;
    // Input that ends early or holds a non-number ends the list: only the values read take part.
    int m = 0;
    while (m < n && std::scanf("%d", &q[m]) == 1)
        m++;

    // The triple loop adds 1 for every (i, j, k) with i != j and q[i] + q[j] == q[k]. Grouping by k,
    // that is the sum over k of the ordered pairs summing to q[k], which the order of the list does
    // not change; so sort, and count the pairs once per run of equal entries, times the run's length.
    std::sort(q, q + m);
    for (int k = 0; k < m;) {
        int run = 1;
        while (k + run < m && q[k + run] == q[k])
            run++;
        count += run * ordered_pairs(q, m, q[k]);
        k += run;
    }
    std::printf("%lld", count / 2);
    std::free(p);
    return 0;
}
