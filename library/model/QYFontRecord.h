// The font fields of an archive record: face name, point size, colour,
// height, weight, italic, underline and strike-out, in that order. The
// component and form property sets and the data model's header and footer
// font all write their font this way.
#pragma once

#include "framework/base/CString.h"

class CArchive;

// The font fields of one owner, bound to where that owner keeps them.
struct QYFontFields {
    CString& strFaceName;
    int& nPointSize;
    COLORREF& crColor;
    int& nHeight;
    int& nWeight;
    BOOL& bItalic;
    BOOL& bUnderline;
    BOOL& bStrikeOut;
};

void QYStoreFontFields(CArchive& ar, const QYFontFields& fields);
// Reads the fields; throws CArchiveException when the weight lies outside
// 0-1000.
void QYLoadFontFields(CArchive& ar, const QYFontFields& fields);
