// digit-check: reads a decimal integer as one line and tells whether the sum of its digits divides it.
#include <cstdio>
#include <cstring>

// Reads one line into buf (at most cap - 1 bytes) and drops its line end; a CR LF pair is one
// line end. The rest of an over-long line is read and discarded. Returns false when no line was there.
static bool read_line(char *buf, int cap) {
    int len = 0, c;
    while ((c = std::getchar()) != EOF && c != '\n') {
        if (c == '\r') {
            int d = std::getchar();
            if (d == '\n')
                break;
            if (d != EOF)
                std::ungetc(d, stdin);
        }
        if (len < cap - 1)
            buf[len++] = static_cast<char>(c);
    }
    buf[len] = '\0';
    return c != EOF || len > 0;
}

int main() {
    char a[1000];
    std::memset(a, 0, sizeof a);
    int num = 0, num1 = 0;
    read_line(a, sizeof a);  // no line at all leaves a empty
    // The line must be an optional '-' and then digits only, with a value in the 32-bit range: num is
    // that value and num1 the sum of its digits. Any other line (empty, a sign alone, a space, a
    // letter, a value outside the range) leaves both at 0, so it is answered "0 0No".
    int i = a[0] == '-' ? 1 : 0;
    long long value = 0;
    int sum = 0;
    bool ok = a[i] != '\0';
    for (; ok && a[i] != '\0'; i++) {
        if (a[i] < '0' || a[i] > '9' || value > 2147483648LL) {
            ok = false;
        } else {
            value = value * 10 + (a[i] - '0');
            sum += a[i] - '0';
        }
    }
    if (a[0] == '-')
        value = -value;
    if (ok && value >= -2147483648LL && value <= 2147483647LL) {
        num = static_cast<int>(value);
        num1 = sum;
    }
    std::printf("%d %d", num, num1);
    // num1 is never negative, so num % num1 cannot be INT_MIN % -1. A digit sum of 0 (the number 0,
    // or no number) divides nothing: the answer is "No".
    if (num1 != 0 && num % num1 == 0)
        std::printf("Yes");
    else
        std::printf("No");
    return 0;
}
