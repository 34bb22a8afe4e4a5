// The program's instance handle: the process id as a handle, so that names
// made from it ("Labedit %08x") are unique to the process and whole.
#pragma once

#include "framework/base/WinTypes.h"

HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
