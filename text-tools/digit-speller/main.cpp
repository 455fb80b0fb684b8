// digit-speller: reads a decimal integer as one line and spells it digit by digit in syllables.
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
    const char num[10][10] = {"ling", "yi", "er", "san", "si", "wu", "liu", "qi", "ba", "jiu"};
    char n[1000];
    read_line(n, sizeof n);  // no line at all leaves n empty: nothing is spelled
    int len = static_cast<int>(std::strlen(n));
    bool first = true;  // no space before the first word
    for (int i = 0; i < len; i++) {
        if (i == 0 && n[i] == '-') {
            std::printf("fu");
            first = false;
            continue;
        }
        // A character other than a digit has no syllable: it is skipped, and the words that are
        // written stay joined by single spaces.
        if (n[i] < '0' || n[i] > '9')
            continue;
        if (first)
            std::printf("%s", num[n[i] - '0']);
        else
            std::printf(" %s", num[n[i] - '0']);
        first = false;
    }
    return 0;
}
