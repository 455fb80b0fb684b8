// remainder-signs: prints -11 % 5 (the dividend's sign) and the positive remainder beside it.
#include <cstdio>

int main() {
    int a = -11;
    int b = 5;
    std::printf("negative: %d\npositive: %d\n", a % b, (a % 5) + b);
    return 0;
}
