// remainder-fit, the literal algorithm: each case stored, its remainder tested, its answer written at once.
#include <cstdio>

int main() {
    static int n[100000], m[100000], k[100000];
    int t;
    if (std::scanf("%d", &t) != 1)
        return 0;
    for (int i = 0; i < t && i < 100000; i++) {
        if (std::scanf("%d %d %d", &n[i], &m[i], &k[i]) != 3)
            return 0;
        if (m[i] == 0) {
            std::puts("Yes");
            continue;
        }
        int r = n[i] % m[i];
        if (r + k[i] >= m[i])
            std::puts("Yes");
        else if (r == 0)
            std::puts("Yes");
        else
            std::puts("No");
    }
    return 0;
}
