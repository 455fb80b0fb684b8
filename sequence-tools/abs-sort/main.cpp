// abs-sort: prints each case's values ordered by absolute value, largest first.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

// Writes v in decimal at p and returns the position just after it.
static char *put_value(char *p, int v) {
    char digits[12];
    int len = 0;
    unsigned u = v < 0 ? 0u - static_cast<unsigned>(v) : static_cast<unsigned>(v);
    do {
        digits[len++] = static_cast<char>('0' + u % 10);
        u /= 10;
    } while (u != 0);
    if (v < 0)
        *p++ = '-';
    while (len > 0)
        *p++ = digits[--len];
    return p;
}

int main() {
    int n;
    std::vector<int> s;
    char out[1 << 16];
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
        // The line, "%d" then " %d" for each further value, is built in a buffer written in large
        // blocks: a printf per value costs more than the sort.
        int used = 0;
        for (std::size_t i = 0; i < s.size(); i++) {
            if (used > static_cast<int>(sizeof out) - 16) {
                std::fwrite(out, 1, static_cast<std::size_t>(used), stdout);
                used = 0;
            }
            if (i > 0)
                out[used++] = ' ';
            used = static_cast<int>(put_value(out + used, s[i]) - out);
        }
        out[used++] = '\n';
        std::fwrite(out, 1, static_cast<std::size_t>(used), stdout);
    }
    return 0;
}
