/* judge FX_REC struct FX_REC */
typedef long FX, *LPFX;
struct FX_REC { FX a; FX b; FX c; };
