// root-series, the literal algorithm: every term from its own pow calls, added one after the other.
#include <cmath>
#include <cstdio>

int main() {
    int n, m;
    while (std::scanf("%d %d", &n, &m) == 2) {
        double b = 0.0;
        for (int i = 0; i < m; i++) {
            double a = std::pow(2.0, -i);
            double c = std::pow(static_cast<double>(n), a);
            b = b + c;
        }
        std::printf("%.2lf\n", b);
    }
    return 0;
}
