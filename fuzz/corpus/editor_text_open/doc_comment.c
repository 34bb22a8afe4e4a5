/**
 * doc
 */
void f(void);
