/*
 * 受注ファイルのレコード定義
 */
#define CODE_LEN   8
#define NAME_LEN   (CODE_LEN * 2 + 4)
#define MAX_ITEMS  4

typedef unsigned short QTY;          /* 数量の型 */
typedef char           NAME[NAME_LEN];

typedef struct tagDATE {             // 日付
    short  yyyy;                     // 年
    char   mm;                       // 月
    char   dd;                       // 日
} DATE;

typedef struct {                     // 明細
    char   code[CODE_LEN];           // 商品コード #2.1
    QTY    qty;                      // 数量
    long   price;                    // 単価
    double rate;                     /* 掛率 */
} ITEM;

struct ADDRESS {                     /* 住所 */
    char   zip[7 + 1];               /* 郵便番号 */
    NAME   lines[2];                 /* 住所行 */
};

typedef struct tagORDER              // 受注 Prefix(OD_)
{
    long            no;              // 受注番号 #1.1
    DATE            ordered;         // 受注日
    struct ADDRESS  ship;            // 届け先
    ITEM            items[MAX_ITEMS];  // 明細行
    ITEM            spare [2];
    unsigned char   flags[4];        // フラグ
    int             total, tax;      // 合計
    float           grid[2][3];      // 格子
    char            memo[3][10];     // メモ
    struct {                         // 履歴
        DATE        when;
        short       kind;
    } history[2][2];
    struct tagDATE  shipped;         // 出荷日
} ORDER;
