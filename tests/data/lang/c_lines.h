int a; // ”Ô† // x
long b; /* ‹àŠz */ short c;
/* start
 inside struct x;
end */ char d;
char e; /* open
*/
	char	f;	// see /* here
double g;
int a[3][4];
char s[0];
char s[];
char s[LEN];
char s[20+1];
char s[(4*2)-1][0x10];
char s[100][200];
char s[10UL];
int a[1000000][1000000];
int a[((((((((((((((((((((((((((((((((((1))))))))))))))))))))))))))))))))))];
int a[1][1][1][1][1][1][1][1][1][1][1][1][1][1][1][1][1][1][1][1][1][1][1][1];
int a[2][
