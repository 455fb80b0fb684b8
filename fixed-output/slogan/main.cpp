// slogan: prints "I'm gonna WIN!" three times, the last one without a line end.
#include <cstdio>

int main() {
    for (int i = 0; i <= 2; i++) {
        if (i == 2)
            std::fputs("I'm gonna WIN!", stdout);
        else
            std::puts("I'm gonna WIN!");
    }
    return 0;
}
