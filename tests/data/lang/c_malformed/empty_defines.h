#define
#define A
struct R { char s[A]; };
