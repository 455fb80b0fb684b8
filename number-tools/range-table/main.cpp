// range-table: prints the closed range n..m five right-aligned values per row, then its sum.
#include <cstdio>

int main() {
    int n = 0, m = 0;
    if (std::scanf("%d %d", &n, &m) != 2)
        return 0;  // fewer than two numbers: no range, nothing is written
    // The counter is 64-bit so a range ending at the largest Integer ends, and the sum is 64-bit
    // so a range whose total leaves the Integer range prints its exact value.
    std::setvbuf(stdout, nullptr, _IOFBF, 1 << 20);  // long ranges: few large writes
    long long sum = 0;
    int num = 0;
    for (long long i = n; i <= m; i++) {
        sum += i;
        num++;
        std::printf("%5d", static_cast<int>(i));
        if (num == 5) {
            num = 0;
            std::putchar('\n');
            if (std::ferror(stdout))
                return 0;  // the output is gone (a closed pipe): no one reads the rows still to come
        }
    }
    if (num != 0)
        std::putchar('\n');
    std::printf("Sum = %lld\n", sum);
    return 0;
}
