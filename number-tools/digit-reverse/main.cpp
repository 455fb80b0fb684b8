// digit-reverse: prompts for a number and prints its last three digits reversed, the sign dropped.
#include <cstdio>

int main() {
    std::puts("Input x:");
    int x = 0;
    if (std::scanf("%d", &x) != 1)
        return 0;  // no number, no answer: only the prompt is written
    // The magnitude is taken in 64-bit so the smallest Integer has one too (2147483648 -> y=21475676).
    long long n = x < 0 ? -static_cast<long long>(x) : x;
    long long b = n / 100;
    long long s = (n % 100) / 10;
    long long g = (n % 100) % 10;
    std::printf("y=%lld\n", g * 100 + s * 10 + b);
    return 0;
}
