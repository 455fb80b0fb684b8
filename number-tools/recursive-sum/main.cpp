// recursive-sum: prompts for n and prints 1 + 2 + ... + n, added up by a recursive function.
#include <cstdio>

// Returns 1 + 2 + ... + n for n >= 1; the recursion is n calls deep.
static int sum(int n) {
    if (n == 1)
        return 1;
    return n + sum(n - 1);
}

int main() {
    std::printf("Please input n:");
    int n = 0;  // a missing or malformed number stays 0 and is answered like one
    if (std::scanf("%d", &n) != 1)
        n = 0;
    // Past 65535 the sum leaves the Integer range (and the recursion gets deep), so such an n is
    // refused like a non-positive one.
    if (n > 0 && n <= 65535) {
        int r = sum(n);
        std::printf("sum=%d\n", r);
    } else {
        std::puts("data error!");
    }
    return 0;
}
