// remainder-fit: answers Yes or No per case: is n % m zero, or does it reach m together with k?
#include <cstdio>

int main() {
    int t;
    if (std::scanf("%d", &t) != 1)
        return 0;
    // Each case is answered as soon as it is read and never looked at again, so no case is stored and
    // a count of any size is answered in full. A case that ends early or holds a non-number ends the run.
    int n, m, k;
    for (int i = 0; i < t && std::scanf("%d %d %d", &n, &m, &k) == 3; i++) {
        if (m == 0) {
            std::puts("Yes");
            continue;
        }
        // In 64 bits the remainder of the smallest Integer by -1 is simply 0, and r + k is exact.
        long long r = static_cast<long long>(n) % m;
        std::puts(r + k >= m || r == 0 ? "Yes" : "No");
    }
    return 0;
}
