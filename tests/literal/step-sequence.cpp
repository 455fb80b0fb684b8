// step-sequence, the literal algorithm: per case the array is cleared and every term up to n is stepped.
#include <cstdio>

int main() {
    static int a[10000];
    int n;
    while (std::scanf("%d", &n) == 1) {
        for (int i = 0; i < 10000; i++)
            a[i] = 0;
        a[1] = 1;
        if (n == 0)
            break;
        if (n < 1 || n > 9999)
            return 0;  // no term is stored there: not a case this model is given
        int c = 1, d = 1;
        for (int i = 2; i <= n; i++) {
            if (c == 4) {
                d++;
                c = 1;
            }
            a[i] = a[i - 1] + d;
            c++;
        }
        std::printf("%d\n", a[n]);
    }
    return 0;
}
