// Font sizes between points and logical units of a device context, and the
// font record of a caption or band font; shared by the form property set
// and the data model's header and footer font.
#pragma once

#include "framework/base/CString.h"
#include "framework/gdi/GdiStructs.h"

class CDC;

// nPoint points in logical units of pDC (a screen-compatible memory DC when
// NULL), vertically when bY, else horizontally.
int QYPointToLogical(int nPoint, CDC* pDC, BOOL bY);
// nLogical logical units in points.
int QYLogicalToPoint(int nLogical, CDC* pDC, BOOL bY);
// A font record that is zero but for the height (-nHeight, or the point
// size's height when nHeight is 0 or less), weight, style bytes, face (cut
// to the record's 31 bytes without splitting a character) and character set.
LOGFONT QYMakeLogFont(int nHeight, int nPointSize, CDC* pDC, int nWeight, BOOL bItalic, BOOL bUnderline,
                      BOOL bStrikeOut, const CString& strFaceName);
