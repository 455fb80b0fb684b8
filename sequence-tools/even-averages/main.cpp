// even-averages: prints the averages of the first n even numbers cut into groups of m.
#include <cstdio>

// Writes v in decimal at p and returns the position just after it.
static char *put_value(char *p, long long v) {
    char digits[24];
    int len = 0;
    unsigned long long u =
        v < 0 ? 0 - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
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
    char out[1 << 16];
    int used = 0;
    int n, m;
    while (std::scanf("%d %d", &n, &m) == 2) {
        if (n >= 1 && m >= 1) {
            // The numbers 2, 4, ..., 2n fall into c = n / m full groups and r = n - cm left over. Full
            // group k holds 2km + 2, ..., 2km + 2m and averages 2km + m + 1; the r left over average
            // 2cm + r + 1. These are exactly the quotients of adding up each group and dividing, found
            // without the additions, so the work follows the values printed, not n. They are 64-bit, so
            // averages of groups whose sums leave the Integer range are still exact.
            long long c = n / m, r = n - c * m;
            for (long long k = 0; k < c; k++) {
                // Keep room for this value, the incomplete group's and the line end (21 bytes each at most).
                if (used > static_cast<int>(sizeof out) - 64) {
                    if (std::fwrite(out, 1, used, stdout) != static_cast<std::size_t>(used))
                        return 0;  // the output is gone (a closed pipe): no one reads the rest
                    used = 0;
                }
                if (k > 0)
                    out[used++] = ' ';
                used = static_cast<int>(put_value(out + used, 2 * k * m + m + 1) - out);
            }
            if (r > 0) {
                out[used++] = ' ';  // the incomplete group's average always has a space before it
                used = static_cast<int>(put_value(out + used, 2 * c * m + r + 1) - out);
            }
        } else if (n != 0) {
            // No group forms and nothing is added: n below 0 takes no numbers, and m below 1 lets no
            // number join a group (m = 0 would divide by zero, so it is taken like a negative m). The
            // leftover average is then 0 / n, written as " 0".
            out[used++] = ' ';
            out[used++] = '0';
        }
        // n = 0: no numbers and no remainder, so the line is empty.
        out[used++] = '\n';
        // Each case's line is handed to stdout before the next case is read.
        if (std::fwrite(out, 1, used, stdout) != static_cast<std::size_t>(used))
            return 0;
        used = 0;
    }
    return 0;
}
