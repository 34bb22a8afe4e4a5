char *s = "a \" b \\";
char c = '\'';
