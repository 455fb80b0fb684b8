// idle: does nothing and ends at once; it neither reads nor writes.

int main() {
    return 0;
}
