// System-wide settings the program asks for.
#pragma once

#include "framework/window/WinHandles.h"

#define SPI_GETDRAGFULLWINDOWS 0x0026
#define SPI_GETWORKAREA 0x0030

// SPI_GETWORKAREA: the primary screen less the desktop's panels, in screen
// coordinates, into the RECT at pvParam. FALSE for actions it does not know
// and for a missing pvParam.
// SPI_GETDRAGFULLWINDOWS: FALSE into the BOOL at pvParam: windows and bars
// dragged with the mouse show an outline until the button comes up.
BOOL SystemParametersInfo(UINT uiAction, UINT uiParam, LPVOID pvParam, UINT fWinIni);
