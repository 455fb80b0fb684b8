// max-marker: writes each input line back with "(max)" after every occurrence of its largest character.
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
        // The marked line is built in one buffer (at most 99 characters, each with its marker) and
        // written at once: a putchar per character and a printf per marker cost more than reading it.
        char out[100 * 6];
        int used = 0;
        int j = 0;  // cursor into b
        for (int i = 0; i < len; i++) {
            out[used++] = a[i];
            if (j < n && b[j] == i) {
                std::memcpy(out + used, "(max)", 5);
                used += 5;
                j++;
            }
        }
        std::fwrite(out, 1, static_cast<std::size_t>(used), stdout);
    }
    return 0;
}
