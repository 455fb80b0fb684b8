// twos-share: reads a decimal integer as one token and prints the share of its digits that are 2.
#include <cstdio>
#include <cstring>

int main() {
    int num_2 = 0;
    double n1 = 1.0, n2 = 1.0;
    char num[52];
    if (std::scanf("%51s", num) != 1)
        num[0] = '\0';  // no token at all: handled below like a token without digits
    int len = static_cast<int>(std::strlen(num));
    int start = 0;  // index of the first digit
    if (num[0] == '-') {
        n1 += 0.5;
        len--;
        start = 1;
    }
    // The evenness is that of the value the standard string-to-integer conversion reads (an optional
    // sign, then a run of digits), taken from its last digit: no conversion can overflow, even for
    // 51 digits. A token with no such digits reads as 0, which is even.
    int i = (num[0] == '-' || num[0] == '+') ? 1 : 0;
    int num_ = 0;  // the last digit of that value
    while (num[i] >= '0' && num[i] <= '9')
        num_ = num[i++] - '0';
    if (num_ % 2 == 0)
        n2 += 1.0;
    for (i = start; i < start + len; i++)
        if (num[i] == '2')
            num_2++;
    // A token without digits ("-" alone, or no token at all) has no share of twos: 0.00%, never a
    // division by zero.
    double re = 0.0;
    if (len > 0)
        re = static_cast<double>(num_2) / len * n1 * n2 * 100.0;
    std::printf("%.2f%%", re);
    return 0;
}
