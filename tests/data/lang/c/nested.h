// 入れ子と配列の組み合わせ
#define N 3

struct INNER {
    char  tag[2];
    int   v[N];
};

struct MIDDLE {
    struct INNER in[2];
    unsigned long crc;
};

typedef struct { struct MIDDLE m[N][2]; short tail; } OUTER;   // 外側

struct VARIANT_REC {                 // 可変部
    short kind;
    union {                          // 値
        long  number;
        char  text[12];              // 文字
        struct { short a; double b; } pair;
    } value;
    unsigned short crc;
};
