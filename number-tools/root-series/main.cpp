// root-series: for each pair n m, prints the sum of m terms n, n^(1/2), n^(1/4), ... to two decimals.
#include <cmath>
#include <cstdio>

// Adds 1.0 to b r times, one rounded addition after the other, and returns the sum. Below 2^53 the
// doubles of [2^k, 2^(k+1)) are spaced by at most 1, so each addition is exact until the sum reaches
// the next power of two; those are done at once, and only the addition crossing it is rounded by
// itself. Once an addition leaves b unchanged, so does every later one (NaN stays the same NaN).
static double add_ones(double b, long long r) {
    while (r > 0) {
        if (b != b || b + 1.0 == b)
            return b + 1.0;
        if (b >= 1.0 && b < 9007199254740992.0) {
            int e;
            std::frexp(b, &e);                     // b lies in [2^(e-1), 2^e)
            double room = std::ldexp(1.0, e) - b;  // exact: both lie within a factor of 2
            long long s = static_cast<long long>(std::ceil(room)) - 1;  // additions staying below 2^e
            if (s > r)
                s = r;
            b += static_cast<double>(s);
            r -= s;
            if (r == 0)
                break;
        }
        b += 1.0;
        r--;
    }
    return b;
}

// Fills exps with the exponents pow(2.0, -i), from i = 0 up to the first that underflows to 0
// (i = 1075 or so), and returns how many come before it (cap when none of them underflows).
static int exponents(double *exps, int cap) {
    int len = 0;
    for (; len < cap; len++) {
        exps[len] = std::pow(2.0, -len);
        if (exps[len] == 0.0)
            break;
    }
    return len;
}

// The sum b of the first m terms of n, the same double as adding pow(n, pow(2.0, -i)) for i = 0 up to
// m - 1 one after the other. exps holds the first len exponents.
static double series(int n, int m, const double *exps, int len) {
    double b = 0.0;
    int i = 0;
    for (; i < m; i++) {
        double a = i < len ? exps[i] : std::pow(2.0, -i);
        // Once the exponent has underflowed to 0 it stays 0, and every later term is pow(n, 0.0),
        // which is exactly 1.0 for every n. Those terms are added in bulk, so a case costs about a
        // thousand pow calls however large m is.
        if (a == 0.0)
            break;
        double c = std::pow(static_cast<double>(n), a);
        b = b + c;
    }
    if (i < m)
        b = add_ones(b, static_cast<long long>(m) - i);
    return b;
}

int main() {
    // Many cases may each print a line: write through one large buffer.
    static char out[1 << 16];
    std::setvbuf(stdout, out, _IOFBF, sizeof out);

    // The exponents are the same in every case: work them out once.
    double exps[1100];
    int len = exponents(exps, 1100);

    int n, m;
    while (std::scanf("%d %d", &n, &m) == 2)
        std::printf("%.2lf\n", series(n, m, exps, len));
    std::fflush(stdout);
    return 0;
}
