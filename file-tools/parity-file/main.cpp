// parity-file: rewrites the integers of int.txt into newint.txt, each odd one plus 1, each even one minus 1.
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

// Reads the next white-space-separated token of fp and converts it by the atoi rule: an optional sign,
// then the digits that follow it; the first other character ends the number (no digit gives 0) and the
// rest of the token is skipped. The whole token is consumed however long it is, so a long token is one
// number, never several. A value beyond the 32-bit range saturates at INT_MAX or INT_MIN.
// Returns false when only white space, or nothing, is left.
static bool read_token(std::FILE *fp, int *n) {
    int ch;
    do
        ch = std::fgetc(fp);
    while (ch == ' ' || (ch >= '\t' && ch <= '\r'));
    if (ch == EOF)
        return false;
    bool negative = ch == '-';
    if (ch == '-' || ch == '+')
        ch = std::fgetc(fp);
    long long magnitude = 0;
    for (; ch >= '0' && ch <= '9'; ch = std::fgetc(fp))
        if (magnitude <= INT_MAX)
            magnitude = magnitude * 10 + (ch - '0');
    while (ch != EOF && ch != ' ' && !(ch >= '\t' && ch <= '\r'))
        ch = std::fgetc(fp);
    if (negative)
        *n = magnitude > -static_cast<long long>(INT_MIN) ? INT_MIN : static_cast<int>(-magnitude);
    else
        *n = magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
    return true;
}

// Writes v in decimal at p, the same text as "%lld", and returns the position just after it.
static char *put_value(char *p, long long v) {
    char digits[24];
    int len = 0;
    unsigned long long u =
        v < 0 ? 0 - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
    do {
        digits[len++] = static_cast<char>('0' + u % 10);
        u /= 10;
    } while (u != 0);
    if (v < 0)
        *p++ = '-';
    while (len > 0)
        *p++ = digits[--len];
    return p;
}

int main() {
    char c = ' ';
    std::FILE *fp = std::fopen("int.txt", "r");
    // A directory opens but cannot be read: probe one byte so that it counts as unreadable, before
    // newint.txt is touched.
    int first = fp == nullptr ? EOF : std::fgetc(fp);
    if (fp == nullptr || (first == EOF && std::ferror(fp))) {
        std::printf("error");
        if (fp != nullptr)
            std::fclose(fp);
        return 0;
    }
    std::ungetc(first, fp);
    std::FILE *fp1 = std::fopen("newint.txt", "w");
    if (fp1 == nullptr) {
        std::fprintf(stderr, "parity-file: cannot open newint.txt for writing: %s\n", std::strerror(errno));
        std::fclose(fp);
        return 0;
    }
    // The partner is computed in 64 bits: INT_MAX is odd and INT_MIN even, so their partners leave the
    // 32-bit range; the buffer holds the longest partner text, "-2147483649", and the space after it.
    char num[16];
    int n;
    while (!std::ferror(fp1) && read_token(fp, &n)) {
        long long partner = n % 2 != 0 ? n + 1LL : n - 1LL;
        // The partner's text and the space after it go out in one write: formatting with snprintf
        // and writing the two separately took half the run on a file of millions of numbers.
        char *end = put_value(num, partner);
        *end++ = c;
        std::fwrite(num, 1, static_cast<std::size_t>(end - num), fp1);
    }
    // A write that failed (a full disk, say) must not pass as a complete newint.txt.
    bool failed = std::ferror(fp1) != 0;
    if (std::fclose(fp1) != 0)
        failed = true;
    if (failed)
        std::fprintf(stderr, "parity-file: writing newint.txt failed: %s\n", std::strerror(errno));
    std::fclose(fp);
    return 0;
}
