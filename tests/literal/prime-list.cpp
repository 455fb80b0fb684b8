// prime-list, the literal algorithm: a candidate is prime when every trial divisor leaves a remainder.
#include <cstdio>

int main() {
    for (int i = 3; i <= 1000; i++) {
        int n = 0;
        for (int j = 2; j < i; j++)
            if (i % j != 0)
                n++;
        if (n == i - 2)
            std::printf("%d ", i);
    }
    return 0;
}
