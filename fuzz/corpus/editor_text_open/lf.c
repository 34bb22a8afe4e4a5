int a;
int b;
