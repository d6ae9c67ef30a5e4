/* judge F struct F */
/* judge Z struct Z */
struct F { char id[4]; unsigned char data[]; };
struct Z { short len; char data[0]; };
