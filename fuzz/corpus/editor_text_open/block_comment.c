/* one
two
three */ int x;
