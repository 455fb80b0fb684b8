// random-ten: prints ten pseudo-random numbers from 1 to 100, seeded from the clock's seconds.
#include <cstdio>
#include <cstdlib>
#include <ctime>

int main() {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    for (int i = 0; i <= 9; i++)
        std::printf("%d\n", std::rand() % 100 + 1);
    return 0;
}
