#include <stdio.h>
#define X 1
