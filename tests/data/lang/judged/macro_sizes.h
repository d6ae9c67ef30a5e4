/* judge ISO_HDR struct ISO_HDR */
#define ISODCL(from, to) (to - from + 1)
#define TWICE(n) ((n) * 2)
struct ISO_HDR {
    char type[ISODCL(1, 1)];
    char id[ISODCL(2, 6)];
    char pad[TWICE(3)];
};
