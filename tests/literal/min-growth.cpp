// min-growth, the literal algorithm: N steps from 1, each taking the smaller of doubling and adding K.
#include <climits>
#include <cstdio>

int main() {
    int N, K;
    if (std::scanf("%d", &N) != 1 || std::scanf("%d", &K) != 1)
        return 0;
    // The value and the candidates are 64-bit and the counter too (with N the largest Integer a
    // 32-bit i could never pass N). Where every candidate stays in the Integer range this is the
    // 32-bit computation; past it the run goes on exactly, and a doubling that would leave 64 bits
    // ends the run at the lowest 64-bit value, as the program reports such a value.
    long long n = 1;
    for (long long i = 1; i <= N; i++) {
        if (n < LLONG_MIN / 2) {
            n = LLONG_MIN;
            break;
        }
        long long a = n + n, b = n + K;
        if (a > b)
            n = b;
        else
            n = a;
    }
    std::printf("%lld\n", n);
    return 0;
}
