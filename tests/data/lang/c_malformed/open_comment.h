/* open
struct R { int a; };
