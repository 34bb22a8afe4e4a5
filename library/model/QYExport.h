// Marks a class exported from the shared library.  The library's symbols are
// visible by default on this platform, so the mark expands to nothing; it is
// kept so that derived and generated classes can write it.
#pragma once

#ifndef QY_EXT_CLASS
#define QY_EXT_CLASS
#endif
