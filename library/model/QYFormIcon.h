// The title-bar icon of a drawn form: a small window, drawn here.
#pragma once

#include "framework/gdi/Icon.h"

#define QY_FORM_ICON_SIZE 16

// A new 16 x 16 icon; the caller destroys it with DestroyIcon.
HICON QYCreateFormIcon();
