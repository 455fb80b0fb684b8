// prime-list: prints the primes from 3 to 1000 on one line, each followed by a space.
#include <cstdio>

int main() {
    for (int i = 3; i <= 1000; i++) {
        // i is prime when no j from 2 to i - 1 divides it; a divisor above the square root pairs
        // with one below it, so trying j while j * j <= i decides the same thing.
        bool prime = true;
        for (int j = 2; j * j <= i; j++)
            if (i % j == 0) {
                prime = false;
                break;
            }
        if (prime)
            std::printf("%d ", i);
    }
    return 0;
}
