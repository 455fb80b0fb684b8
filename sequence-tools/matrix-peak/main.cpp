// matrix-peak: prints the row, column and value of each matrix's entry of largest absolute value.
#include <cstdio>
#include <cstdlib>

int main() {
    int m, n;
    while (std::scanf("%d %d", &m, &n) == 2) {
        // Each entry is compared as it is read, in the row-by-row order a stored table would be scanned
        // in, so nothing is stored: any number of rows and columns is handled and no entry of an earlier
        // case can leak in. A case with fewer than one row or column has no entry and prints "0 0 0".
        // Absolute values are compared in 64-bit, so the smallest Integer beats every other entry.
        int max = 0, x = 0, y = 0;
        bool whole = true;
        for (long long i = 1; n >= 1 && i <= m && whole; i++) {
            for (long long j = 1; j <= n; j++) {
                int v;
                if (std::scanf("%d", &v) != 1) {
                    whole = false;
                    break;
                }
                // The first entry starts the search (x is 0 until then); after it only a strictly larger
                // absolute value wins, so among equal absolute values the first in row order stays.
                if (x == 0 ||
                    std::llabs(static_cast<long long>(max)) < std::llabs(static_cast<long long>(v))) {
                    max = v;
                    x = static_cast<int>(i);
                    y = static_cast<int>(j);
                }
            }
        }
        if (!whole)
            break;  // a case cut short by the end of input or a non-number ends the run, unprinted
        std::printf("%d %d %d\n", x, y, max);
    }
    return 0;
}
