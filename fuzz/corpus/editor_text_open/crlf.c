int a;
int b;
