/* Members of enumeration types take the size of an int; the constants take none. */
/* judge ENUMS struct ENUMS */
typedef enum { MODE_A, MODE_B = 4 } MODE;
typedef enum
{
    KIND_1,
    KIND_2
} KIND;
enum Color { RED, GREEN };
struct ENUMS {
    char id[2];
    enum { ON, OFF } state;
    enum Color color;
    MODE mode;
    KIND kinds[2];
    enum
    {
        X1,
        X2
    } multi;
    short tail;
};
