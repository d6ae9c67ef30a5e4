// Layout comment, prefix and key marks, also on union members the import puts in another order
struct R { // ó’
 long no; /* ŒÚ‹q Prefix(CU_) */
 int k; // ‹æ•ª #1.2d-
};

struct U {
 union {
  char c; // #1.1
  long l;
 } u;
 int k; // #2.1
};
