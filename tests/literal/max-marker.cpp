// max-marker, the literal algorithm: per line, the largest character found, its positions stored, and
// the line written with "(max)" after each of them.
#include <cstdio>
#include <cstring>

// Line input: up to the line end, which is dropped (a CR before it too); at most cap - 1 bytes kept.
// Returns false at End of input.
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
    char a[100];
    int b[100];
    while (read_line(a, sizeof a)) {
        int len = static_cast<int>(std::strlen(a));
        // Characters compare as signed 8-bit values: bytes 128 to 255 rank below every ASCII character.
        signed char max = static_cast<signed char>(a[0]);
        for (int i = 0; i < len; i++)
            if (static_cast<signed char>(a[i]) > max)
                max = static_cast<signed char>(a[i]);
        int n = 0;
        for (int i = 0; i < len; i++)
            if (static_cast<signed char>(a[i]) == max)
                b[n++] = i;
        int k = 0;
        for (int i = 0; i < len; i++) {
            std::putchar(a[i]);
            if (k < n && b[k] == i) {
                std::printf("(max)");
                k++;
            }
        }
    }
    return 0;
}
