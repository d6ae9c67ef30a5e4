/* judge tagINFO struct tagINFO */
/* judge INFO INFO */
typedef struct tagINFO {
    unsigned long size;
    short width;
    char kind;
} INFO;
