/* judge W struct W */
/* judge U8PAIR struct U8PAIR */
/* judge ONEBYTE struct ONEBYTE */
typedef unsigned char Uint8;
struct W { int x,y,
           w,h; };
struct U8PAIR {
    Uint8 a, /* first */
          b;
};
struct ONEBYTE {
    unsigned char
        a;
};
