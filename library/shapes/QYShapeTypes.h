// The shapes' type codes (declared once, with every other component's, in
// the model) and the shapes' shared defaults.
#pragma once

#include "library/model/QYCompTypes.h"

// The fill colour of new shapes: RGB(187, 224, 227).
#define QY_SHAPE_FILL_COLOR 0x00E3E0BB
