// odd-one-out: reads four numbers A B C D and prints the letter of each one the other three agree against.
#include <cstdio>

int main() {
    int A = 0, B = 0, C = 0, D = 0;
    if (std::scanf("%d", &A) != 1 || std::scanf("%d", &B) != 1 || std::scanf("%d", &C) != 1 ||
        std::scanf("%d", &D) != 1)
        return 0;  // fewer than four numbers: nothing is written
    if (A == B && B == C)
        std::putchar('D');
    if (A == B && B == D)
        std::putchar('C');
    if (A == C && C == D)
        std::putchar('B');
    if (B == C && C == D)
        std::putchar('A');
    return 0;
}
