// The fill kinds (brush types) of components and forms, by range:
//   0                 no fill (null brush)
//   1, 2              solid in the background / the pattern colour
//   3 to 35           the 33 fill patterns (QYFillPatterns.h)
//   36 to 41          the hatch styles, hatch style = kind - 36
//   42 to 61          gradients (QYGradientFill.h)
//   62 to 91          bitmap fills (QYBitmapFill.h)
//   92 on             nothing is drawn
// Kinds from QY_FIRST_GRADIENT_BRUSH on are painted inside a clip path
// rather than with a brush.
#pragma once

#define QY_FIRST_PATTERN_BRUSH 3
#define QY_FIRST_HATCH_BRUSH 36
#define QY_FIRST_GRADIENT_BRUSH 42
#define QY_FIRST_BITMAP_BRUSH 62
#define QY_NO_FILL_BRUSH 92
// Fill kinds (brush types) run from 0 to this value.
#define QY_MAX_BRUSH_TYPE (QY_NO_FILL_BRUSH - 1)
