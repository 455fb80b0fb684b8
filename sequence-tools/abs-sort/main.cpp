// abs-sort: prints each case's values ordered by absolute value, largest first.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main() {
    int n;
    std::vector<int> s;
    while (std::scanf("%d", &n) == 1 && n != 0) {
        // The values are kept as they arrive, so a count above 999 is processed in full, with memory in
        // proportion to the values actually given. A negative count reads nothing: an empty line.
        s.clear();
        bool whole = true;
        for (int i = 0; i < n; i++) {
            int v;
            if (std::scanf("%d", &v) != 1) {
                whole = false;
                break;
            }
            s.push_back(v);
        }
        if (!whole)
            break;  // a case cut short by the end of input or a non-number ends the run, unprinted

        // Exchanging neighbours while the left one's absolute value is strictly smaller leaves the
        // values by absolute value, largest first, with equal absolute values in input order: exactly
        // what a stable sort on that key gives, in O(n log n). The key is 64-bit, so the smallest
        // Integer (absolute value 2147483648) orders before every other value.
        std::stable_sort(s.begin(), s.end(), [](int x, int y) {
            return std::llabs(static_cast<long long>(x)) > std::llabs(static_cast<long long>(y));
        });
        for (std::size_t i = 0; i < s.size(); i++)
            std::printf(i == 0 ? "%d" : " %d", s[i]);
        std::putchar('\n');
    }
    return 0;
}
