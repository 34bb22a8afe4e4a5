int x; /* never closed
int y;
