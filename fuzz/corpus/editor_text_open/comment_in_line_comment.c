// not /* a block
int x;
