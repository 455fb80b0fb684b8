// score-sheet: reads a class's subjects, names and scores and prints the students ranked by total.
#include <cstdio>
#include <cstring>

// All prompts and headings are GBK bytes; the text each literal spells is in the comment beside it.
// Literals are split wherever a hex escape would otherwise run into the next character.

// Prompts for and reads the class size, the subject count, the subject names, then every student's
// name and scores, and fills each student's total column (column *m of the score row).
// A read that fails (a token that is not a number, input that ends early) ends the input: a count not
// read is 0, the class holds only the students whose names were read, and a score not read counts as 0.
static void input(int *n, int *m, char subject[][40], char name[][40], long long score[][10]) {
    std::printf(
        "\xc7\xeb\xca\xe4\xc8\xeb\xb0\xe0\xbc\xb6\xd7\xdc\xc8\xcb\xca\xfd\xa3\xba");  // 请输入班级总人数：
    if (std::scanf("%d", n) != 1) {
        *n = 0;
        *m = 0;
        return;
    }
    // The tables hold 100 students; students past the 100th are not asked for.
    if (*n > 100)
        *n = 100;
    std::printf("\xc7\xeb\xca\xe4\xc8\xeb\xd1\xa7\xbf\xc6\xd7\xdc\xca\xfd\xa3\xba");  // 请输入学科总数：
    if (std::scanf("%d", m) != 1) {
        *m = 0;
        *n = 0;
        return;
    }
    // A score row holds 9 scores plus the total; a negative subject count means no subjects.
    if (*m > 9)
        *m = 9;
    if (*m < 0)
        *m = 0;
    for (int k = 1; k <= *m; k++) {
        std::printf("\xc7\xeb\xca\xe4\xc8\xeb\xb5\xda"          // 请输入第
                    "%d"                                        // k
                    "\xbf\xc6\xd1\xa7\xbf\xc6\xc3\xfb\xb3\xc6"  // 科学科名称
                    ":",
                    k);
        // A name keeps its first 39 bytes; the rest of that token is skipped.
        if (std::scanf("%39s%*[^ \t\n\v\f\r]", subject[k - 1]) != 1) {
            *m = k - 1;
            *n = 0;
            return;
        }
    }
    for (int s = 1; s <= *n; s++) {
        std::printf("\xc7\xeb\xca\xe4\xc8\xeb\xb5\xda"                   // 请输入第
                    "%d"                                                 // s
                    "\xb8\xf6\xd1\xa7\xc9\xfa\xd0\xd5\xc3\xfb\xa3\xba",  // 个学生姓名：
                    s);
        // A name keeps its first 39 bytes; the rest of that token is skipped.
        if (std::scanf("%39s%*[^ \t\n\v\f\r]", name[s - 1]) != 1) {
            *n = s - 1;
            return;
        }
        // Totals are kept in 64 bits so that nine scores of any size add up exactly.
        score[s - 1][*m] = 0;
        for (int j = 0; j < *m; j++) {
            std::printf("\xc7\xeb\xca\xe4\xc8\xeb"                   // 请输入
                        "%s"                                         // student name
                        "\xcd\xac\xd1\xa7"                           // 同学
                        "%s"                                         // subject name
                        "\xd1\xa7\xbf\xc6\xb3\xc9\xbc\xa8\xa3\xba",  // 学科成绩：
                        name[s - 1], subject[j]);
            int x;
            if (std::scanf("%d", &x) != 1) {
                for (; j < *m; j++)
                    score[s - 1][j] = 0;
                *n = s;
                return;
            }
            score[s - 1][j] = x;
            score[s - 1][*m] += x;
        }
    }
}

// Bubble sort on the total column, descending; equal totals are never exchanged, so it is stable.
static void sort(int *n, int *m, char name[][40], long long score[][10]) {
    char t[40];
    long long x;
    for (int p = 0; p < *n; p++)
        for (int j = 0; j < *n - p - 1; j++)
            if (score[j][*m] < score[j + 1][*m]) {
                x = score[j][*m];
                score[j][*m] = score[j + 1][*m];
                score[j + 1][*m] = x;
                std::strcpy(t, name[j]);
                std::strcpy(name[j], name[j + 1]);
                std::strcpy(name[j + 1], t);
                for (int k = 0; k < *m; k++) {
                    x = score[j][k];
                    score[j][k] = score[j + 1][k];
                    score[j + 1][k] = x;
                }
            }
}

// Prints the header line and one tab-separated line per student: the name, the scores, the total.
static void output(int *n, int *m, char subject[][40], char name[][40], long long score[][10]) {
    std::printf("\xd0\xd5\xc3\xfb\t");  // 姓名
    for (int j = 0; j < *m; j++)
        std::printf("%s\t", subject[j]);
    std::puts("\xd7\xdc\xb7\xd6");  // 总分
    for (int i = 0; i < *n; i++) {
        std::printf("%s\t", name[i]);
        for (int j = 0; j <= *m; j++)
            std::printf("%lld\t", score[i][j]);
        std::putchar('\n');
    }
}

int main() {
    int n = 0, m = 0;
    char subject[100][40];
    char name[100][40];
    long long score[100][10];
    input(&n, &m, subject, name, score);
    sort(&n, &m, name, score);
    output(&n, &m, subject, name, score);
    return 0;
}
