// parity-file, the literal algorithm: every token of int.txt through atoi, moved to its parity partner
// and written to newint.txt followed by a space.
#include <cstdio>
#include <cstdlib>

int main() {
    char num[10];
    char c = ' ';
    FILE *fp = std::fopen("int.txt", "r");
    if (fp == nullptr) {
        std::printf("error");
        return 0;
    }
    FILE *fp1 = std::fopen("newint.txt", "w");
    if (fp1 == nullptr)
        return 0;
    // "%9s" holds a token to the buffer; every token of the described form fits.
    while (std::fscanf(fp, "%9s", num) != EOF) {
        int n = std::atoi(num);
        if (n & 1)
            n++;
        else
            n--;
        std::snprintf(num, sizeof num, "%d", n);
        std::fputs(num, fp1);
        std::fputc(c, fp1);
    }
    return 0;
}
