// vowel-tally, the literal algorithm: per line, the five vowel counts, reports separated by an empty line.
#include <cstdio>
#include <cstring>

// Line input: up to the line end, which is dropped (a CR before it too); at most cap - 1 bytes kept.
// Returns false when no line was there.
static bool read_line(char *a, int cap) {
    int len = 0, c;
    while ((c = std::getchar()) != EOF && c != '\n')
        if (len < cap - 1)
            a[len++] = static_cast<char>(c);
    if (len > 0 && a[len - 1] == '\r' && c == '\n')
        len--;
    a[len] = '\0';
    return c != EOF || len > 0;
}

int main() {
    int n;
    char a[100];
    if (std::scanf("%d", &n) != 1)
        return 0;
    std::getchar();
    while (n > 0) {
        n--;
        int num1 = 0, num2 = 0, num3 = 0, num4 = 0, num5 = 0;
        if (!read_line(a, sizeof a))
            return 0;  // fewer lines than the count: not an input this model is given
        int len = static_cast<int>(std::strlen(a));
        for (int i = 0; i < len; i++) {
            if (a[i] == 'a')
                num1++;
            if (a[i] == 'e')
                num2++;
            if (a[i] == 'i')
                num3++;
            if (a[i] == 'o')
                num4++;
            if (a[i] == 'u')
                num5++;
        }
        std::printf("a:%d\n", num1);
        std::printf("e:%d\n", num2);
        std::printf("i:%d\n", num3);
        std::printf("o:%d\n", num4);
        std::printf("u:%d\n", num5);
        if (n != 0)
            std::printf("\n");
    }
    return 0;
}
