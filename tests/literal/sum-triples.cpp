// sum-triples, the literal algorithm: every (i, j, k) tested in three nested loops, the count halved.
#include <cstdio>
#include <cstdlib>

int main() {
    int count = 0, n;
    if (std::scanf("%d", &n) != 1 || n < 0)
        n = 0;
    int *p = static_cast<int *>(std::malloc(static_cast<std::size_t>(n) * sizeof(int) + 1));
    if (p == nullptr)
        return 0;
    int *q = p;
    for (int i = 0; i < n; i++)
        if (std::scanf("%d", &q[i]) != 1) {
            std::free(p);
            return 0;
        }
    // The pair's sum is taken in 64 bits, so a sum past the Integer range matches no entry.
    for (int i = 0; i < n; i++)
        for (int j = 0; j < n; j++)
            for (int k = 0; k < n; k++)
                if (i != j && static_cast<long long>(q[i]) + q[j] == q[k])
                    count++;
    std::printf("%d", count / 2);
    std::free(p);
    return 0;
}
