// record-list: reads two (number, value) records into a singly linked list and prints them.
#include <cstdio>
#include <cstdlib>

// Built with RECORD_LIST_TAIL defined, records are linked after the last one and printed in input order
// with two decimals; otherwise they are linked after the header and printed in reverse with six.

struct node {
    int number;
    float value;
    node *link;
};

// Reads count records with "%d%f" and links each one into the list behind head.
// A record whose read fails (not a number, input ended) is released and not linked, and reading
// stops there; so does a failed allocation. Only fully read records are ever printed.
static void create(node *head, int count) {
#ifdef RECORD_LIST_TAIL
    node *tail = head;
#endif
    while (count > 0) {
        node *p = static_cast<node *>(std::malloc(sizeof(node)));
        if (p == nullptr)
            break;
        if (std::scanf("%d%f", &p->number, &p->value) != 2) {
            std::free(p);
            break;
        }
#ifdef RECORD_LIST_TAIL
        p->link = tail->link;
        tail->link = p;
        tail = p;
#else
        p->link = head->link;
        head->link = p;
#endif
        count--;
    }
#ifdef RECORD_LIST_TAIL
    tail->link = nullptr;
#endif
}

// Prints every record from the header's link to the end of the list, one per line.
static void output(node *head) {
    for (node *p = head->link; p != nullptr; p = p->link) {
#ifdef RECORD_LIST_TAIL
        std::printf("%d,%.2f\n", p->number, static_cast<double>(p->value));
#else
        std::printf("%d,%f\n", p->number, static_cast<double>(p->value));
#endif
    }
}

int main() {
    node *head = static_cast<node *>(std::malloc(sizeof(node)));
    if (head == nullptr)
        return 0;
    head->link = nullptr;
    create(head, 2);
    output(head);
    // The list is released before the end so that leak checkers stay quiet.
    while (head != nullptr) {
        node *next = head->link;
        std::free(head);
        head = next;
    }
    return 0;
}
