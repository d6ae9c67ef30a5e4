// Member forms: character kinds, keyword order, VB type words, type words as names
#define LEN 20
typedef unsigned short WORD2;
typedef struct {      // 売上
  char code[5];
} SALE;
struct A a;
struct {
  int x;
};

struct CHARS {
 char c;
 unsigned char b[4];
 signed char d[4];
 bool flag;
};

struct CUBE {
 char s[2][3][10]; // 名
};

struct ORDERED {
 long double d;
 unsigned long u;
 short int s;
 unsigned x;
};

struct VBWORDS {
 currency c;
 variant v;
 Byte b;
 object o;
 WORD w;
 DWORD dw;
 float f;
};

struct NAMES {
 char word[10];
 int byte;
};

struct Object {
 char c;
};

typedef struct {
 int qty;
} ITEM;
struct ORD {
 ITEM m[2][3];
};

struct tagP {
 short x;
};
typedef struct tagP P;
struct POINTS {
 P pt[2];
};

struct UNKNOWN {
 size_t n;
 int a;
};

// Names whose second byte is a bracket, a brace or a backslash
struct SJNAMES {
 char ボタン;
 short ゼロ[3];
 char ソ[2]; // 表
};
