// temperature: reads whole degrees Fahrenheit and prints whole degrees Celsius, cut toward zero.
#include <cstdio>

int main() {
    int f = 0;
    if (std::scanf("%d", &f) != 1)
        return 0;  // no number, no answer
    // 5 * (f - 32) leaves the 32-bit range for large f; 64-bit keeps the truncated result exact.
    long long c = (5 * (static_cast<long long>(f) - 32)) / 9;
    std::printf("Celsius = %lld\n", c);
    return 0;
}
