// Types naming each other: X holds Y, whose X member is not expanded again; A and B give no row
typedef A B;
typedef B A;
struct X {
 struct Y y;
 int a;
};
struct Y {
 struct X x;
 B b;
};
