// abs-sort, the literal algorithm: each case sorted by exchanging neighbours, largest absolute value first.
#include <cstdio>
#include <cstdlib>

int main() {
    int s[1000];
    int n, t;
    while (std::scanf("%d", &n) == 1 && n != 0) {
        if (n > 999)
            return 0;  // beyond the array: not a case this model is given
        for (int i = 1; i <= n; i++)
            if (std::scanf("%d", &s[i]) != 1)
                return 0;
        // The absolute value is taken in 64 bits, so the smallest Integer has one.
        for (int i = 1; i <= n; i++)
            for (int a = 1; a <= n - i; a++)
                if (std::llabs(s[a]) < std::llabs(s[a + 1])) {
                    t = s[a];
                    s[a] = s[a + 1];
                    s[a + 1] = t;
                }
        for (int i = 1; i <= n; i++)
            std::printf(i == 1 ? "%d" : " %d", s[i]);
        std::printf("\n");
    }
    return 0;
}
